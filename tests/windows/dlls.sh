#!/bin/bash
# Every DLL that the shipped program and its plugins import is shipped beside them or is a DLL of
# Windows itself: a copy unpacked on a clean Windows machine starts.
# Usage: dlls.sh STAGE_FOLDER (build-windows/stage/Verimoda)
set -eu
stage=$1
# Windows' own DLLs (present on every Windows 10 and later), lower case.
system=" kernel32.dll user32.dll gdi32.dll advapi32.dll shell32.dll ole32.dll oleaut32.dll
 comdlg32.dll winspool.drv msvcrt.dll uxtheme.dll dwmapi.dll imm32.dll winmm.dll version.dll
 ws2_32.dll shlwapi.dll mpr.dll userenv.dll netapi32.dll d3d9.dll d3d11.dll dxgi.dll d2d1.dll
 dwrite.dll setupapi.dll comctl32.dll crypt32.dll bcrypt.dll authz.dll wtsapi32.dll shcore.dll
 ntdll.dll rpcrt4.dll secur32.dll "
system=" $(echo $system) "
shipped=" $(find "$stage" -iname '*.dll' -printf '%f\n' | tr 'A-Z' 'a-z' | tr '\n' ' ') "
status=0
while IFS= read -r -d '' binary; do
    for dll in $(x86_64-w64-mingw32-objdump -p "$binary" | awk '/DLL Name:/ { print tolower($3) }'); do
        case $dll in api-ms-win-* | ext-ms-win-*) continue ;; esac
        if [[ $shipped != *" $dll "* && $system != *" $dll "* ]]; then
            echo "${binary#"$stage"/} imports $dll, which is neither shipped nor part of Windows"
            status=1
        fi
    done
done < <(find "$stage" \( -iname '*.exe' -o -iname '*.dll' \) -print0)
[ "$status" = 0 ] && echo "Every imported DLL is shipped or part of Windows"
exit "$status"
