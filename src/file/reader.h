// Reading a sheet file back into the sheet. Only the final summary is read: a cleared sheet of
// the reader's own takes every summary line, one text or one ticked box each, under the answer
// rules; once the file was read to its end, the window's sheet takes it, its handlers seeing
// CaricamentoInCorso. The first line that cannot be read ends the read with one message naming
// that line, and the sheet stays as it was.
#pragma once

#include "sheet/sheet.h"

#include <QString>

class QIODevice;

namespace verimoda {

// The longest line the reader takes, in characters without its line end. A sheet's lines are a
// few hundred characters long; the limit keeps the memory of a read bounded whatever the file
// holds, and the writer refuses a text whose line would pass it.
inline constexpr qsizetype MaxLineLength = 1 << 20;

struct LoadResult {
    enum class Outcome {
        Loaded,  // the sheet holds the file; NessunaModifica is True
        Missing, // no such file: the sheet and its flags are untouched
        Failed,  // a line or the file could not be read: the sheet and its flags are untouched
    };
    Outcome outcome = Outcome::Loaded;
    QString title;   // of the message: "Errore" for a missing file, "Verimoda" otherwise
    QString message; // Italian, lines joined by CR LF; empty when loaded
    qint64 line = 0; // the line that stopped the read, 0 when no line is to blame
};

// Reads the file at `nome` into the sheet. A path that is not a regular file counts as missing.
LoadResult CaricaFileXml(Sheet& sheet, const QString& nome);
// Reads an open device into the sheet (the file's bytes in the code page).
LoadResult loadSheet(Sheet& sheet, QIODevice& device);

// The message of a missing file.
QString missingFileMessage();

// Clears every answer box, indicator box, general text and option box, item by item.
void SvuotaFoglio(Sheet& sheet);
// Ticks the option box whose stored caption is `testo`; any other text ticks box 0.
void ImpostaOpzione(Sheet& sheet, const QString& testo);
// Sets an indicator box's text, or ticks the box of a question row that `testo` names ("Si" or
// "Euro", "No" or "Altro", "N/A"); any other text leaves the row alone.
void ImpostaRisposta(Sheet& sheet, int item, const QString& testo);

} // namespace verimoda
