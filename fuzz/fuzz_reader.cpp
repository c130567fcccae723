// Any bytes given to the reader end in a loaded sheet or in one located message that leaves the
// sheet as it was, and leave the sheet's flags sound.
#include "entry/answers.h"
#include "entry/keys.h"
#include "file/reader.h"

#include <QBuffer>

#include <cstdint>
#include <cstdlib>

using namespace verimoda;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Sheet sheet;
    AnswerRules answers(sheet);
    ChangeRules changes(sheet);
    sheet.NessunaModifica = false;
    QBuffer buffer;
    buffer.setData(reinterpret_cast<const char*>(data), qsizetype(size));
    buffer.open(QIODevice::ReadOnly);
    const LoadResult result = loadSheet(sheet, buffer);
    const bool loaded = result.outcome == LoadResult::Outcome::Loaded;
    static const Sheet fresh;
    const bool sound = !sheet.CaricamentoInCorso && sheet.NessunaModifica == loaded &&
                       (loaded ? result.message.isEmpty()
                               : result.outcome == LoadResult::Outcome::Failed && result.line > 0 &&
                                     !result.message.isEmpty() && sheet.holdsSameAs(fresh));
    if (!sound)
        std::abort();
    return 0;
}
