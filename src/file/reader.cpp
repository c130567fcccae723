#include "file/reader.h"

#include "entry/answers.h"
#include "file/codec.h"

#include <QFile>
#include <QFileInfo>
#include <QIODevice>

#include <optional>

namespace verimoda {

using namespace Qt::StringLiterals;

namespace {

constexpr QLatin1StringView CRLF("\r\n");

constexpr qint64 ChunkSize = 64 * 1024;

// Splits a device into lines, decoding the code page a chunk at a time. A line ends at LF; a CR
// right before it (or at the very end) is dropped. Memory stays within one chunk and one line.
class LineReader {
public:
    enum class Status { Line, End, TooLong, ReadError };

    explicit LineReader(QIODevice& device) : device_(device) {}

    // The next line, valid until the following call.
    Status next(QStringView& line) {
        carry_.clear();
        bool carried = false;
        for (;;) {
            const qsizetype end = chunk_.indexOf(u'\n', pos_);
            const qsizetype stop = end >= 0 ? end : chunk_.size();
            const QStringView piece = QStringView(chunk_).mid(pos_, stop - pos_);
            pos_ = end >= 0 ? end + 1 : chunk_.size();
            if (end >= 0 && !carried) {
                line = piece;
            } else {
                carry_ += piece;
                carried = true;
                line = carry_;
            }
            // The line end does not count: a CR may be the first half of one.
            if (line.size() - (line.endsWith(u'\r') ? 1 : 0) > MaxLineLength) {
                ++number_;
                return Status::TooLong;
            }
            if (end >= 0)
                return finish(line);
            bytes_.resize(ChunkSize);
            const qint64 read = device_.read(bytes_.data(), ChunkSize);
            if (read < 0) {
                ++number_;
                return Status::ReadError;
            }
            if (read == 0)
                return carry_.isEmpty() ? Status::End : finish(line);
            chunk_ = decodeCodePage(QByteArrayView(bytes_.constData(), read));
            pos_ = 0;
        }
    }

    // Number of the last line returned.
    qint64 number() const { return number_; }

private:
    Status finish(QStringView& line) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        ++number_;
        return Status::Line;
    }

    QIODevice& device_;
    QByteArray bytes_;
    QString chunk_;
    qsizetype pos_ = 0;
    QString carry_; // a line that runs over a chunk's end
    qint64 number_ = 0;
};

QStringView leftTrimmed(QStringView text) {
    qsizetype i = 0;
    while (i < text.size() && text[i] == u' ')
        ++i;
    return text.mid(i);
}

// A box or item number: blanks, digits, blanks. Large numbers saturate (no such box anyway).
std::optional<int> parseNumber(QStringView text) {
    text = leftTrimmed(text);
    while (text.endsWith(u' '))
        text.chop(1);
    if (text.isEmpty())
        return std::nullopt;
    qint64 value = 0;
    for (QChar c : text) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value =
            std::min<qint64>(value * 10 + (c.unicode() - u'0'), std::numeric_limits<int>::max());
    }
    return int(value);
}

// The number as written, for a message (cut short if absurdly long).
QString shownNumber(QStringView text) {
    QStringView digits = leftTrimmed(text);
    while (digits.endsWith(u' '))
        digits.chop(1);
    return digits.size() <= 12 ? digits.toString() : digits.left(12).toString() + u"..."_s;
}

struct LineError {
    qint64 line;
    QString what;
};

LoadResult failed(QString message, qint64 line) {
    return {LoadResult::Outcome::Failed, shortTitle(), std::move(message), line};
}

LoadResult lineFailure(const LineError& error) {
    return failed(u"Errore nel file alla riga "_s + QString::number(error.line) + u':' + CRLF +
                      error.what + CRLF + u"Lettura interrotta: il foglio è rimasto com'era."_s,
                  error.line);
}

std::optional<LineError> readerFailure(LineReader::Status status, const LineReader& lines) {
    switch (status) {
    case LineReader::Status::TooLong:
        return LineError{lines.number(), u"la riga è troppo lunga per un foglio (oltre "_s +
                                             QString::number(MaxLineLength) + u" caratteri)."_s};
    case LineReader::Status::ReadError:
        return LineError{lines.number(), u"il file non può essere letto oltre questo punto."_s};
    case LineReader::Status::End:
        if (lines.number() == 0)
            return LineError{1, u"il file è vuoto."_s};
        return LineError{
            lines.number(),
            u"il file finisce senza la riga \"QUESTIONARIO\" che precede le risposte."_s};
    case LineReader::Status::Line:
        break;
    }
    return std::nullopt;
}

// A line of the general part: an option ("F8 - Si") or a general text ("0 - Alfa S.p.A.").
std::optional<LineError> readGeneralLine(Sheet& sheet, QString text, qint64 number) {
    RipristinaAccenti(text);
    const qsizetype dash = text.indexOf(u'-');
    const bool option = text.startsWith(u'F');
    if (dash < 0)
        return LineError{number, option ? u"manca il trattino \"-\" prima del nome della scelta."_s
                                        : u"manca il trattino \"-\" tra il numero della casella e "
                                          u"il suo testo."_s};
    const QString value = text.mid(dash + 2);
    if (option) {
        ImpostaOpzione(sheet, leftTrimmed(value).toString());
        return std::nullopt;
    }
    // The index ends one character before the dash (the blank of " - ").
    const QStringView index = dash >= 1 ? QStringView(text).left(dash - 1) : QStringView();
    const std::optional<int> box = parseNumber(index);
    if (!box)
        return LineError{number, u"prima del trattino non c'è il numero di una casella."_s};
    if (*box >= GeneralBoxCount)
        return LineError{number, u"la casella "_s + shownNumber(index) +
                                     u" dei dati generali non esiste (vanno da 0 a 11)."_s};
    sheet.setText({Array::TEXT_GENERALE, *box}, value);
    return std::nullopt;
}

// A line of the item part: "42 - -1500", "0 - Si".
std::optional<LineError> readItemLine(Sheet& sheet, QStringView line, qint64 number) {
    const qsizetype dash = line.indexOf(u'-');
    if (dash < 0)
        return LineError{number, u"manca il trattino \"-\" tra il numero dell'elemento e la "
                                 u"risposta."_s};
    const QStringView index = line.left(dash);
    const std::optional<int> item = parseNumber(index);
    if (!item)
        return LineError{number, u"prima del trattino non c'è il numero di un elemento."_s};
    if (!isItem(*item))
        return LineError{number, u"l'elemento "_s + shownNumber(index) +
                                     u" del questionario non esiste (vanno da 0 a 84)."_s};
    ImpostaRisposta(sheet, *item, line.mid(std::min(dash + 2, line.size())).toString());
    return std::nullopt;
}

std::optional<LineError> readSummary(Sheet& sheet, LineReader& lines) {
    QStringView line;
    // The first three lines are skipped whatever they hold.
    for (int i = 0; i < 3; ++i)
        if (const auto status = lines.next(line); status != LineReader::Status::Line)
            return readerFailure(status, lines);
    for (;;) {
        if (const auto status = lines.next(line); status != LineReader::Status::Line)
            return readerFailure(status, lines);
        if (line == u"QUESTIONARIO")
            break;
        if (line.isEmpty())
            continue;
        if (auto error = readGeneralLine(sheet, line.toString(), lines.number()))
            return error;
    }
    // The items run to the end of the file or to the first line with a tag.
    for (;;) {
        const auto status = lines.next(line);
        if (status == LineReader::Status::End)
            return std::nullopt;
        if (status != LineReader::Status::Line)
            return readerFailure(status, lines);
        if (line.contains(u'>'))
            return std::nullopt;
        if (line.isEmpty())
            continue;
        if (auto error = readItemLine(sheet, line, lines.number()))
            return error;
    }
}

} // namespace

QString missingFileMessage() {
    return u"ATTENZIONE: impossibile aprire il file."_s + CRLF +
           u"Verificare che il nome del file sia corretto e che abbia"_s + CRLF +
           u"un'estenzione \"xml.\" Operazione annullata!!!"_s;
}

void SvuotaFoglio(Sheet& sheet) {
    for (int i = 0; i < ItemCount; ++i) {
        if (isQuestionRow(i)) {
            for (Array box : {Array::Check_NA, Array::Check_NO, Array::Check_SI})
                sheet.setValue({box, i}, 0);
        } else {
            sheet.setText({Array::Text1, i}, QString());
        }
        if (i < GeneralBoxCount)
            sheet.setText({Array::TEXT_GENERALE, i}, QString());
        if (i < OptionBoxCount)
            sheet.setValue({Array::Check_FRAME_GENERALE, i}, 0);
    }
}

void ImpostaOpzione(Sheet& sheet, const QString& testo) {
    int ticked = 0;
    for (int box = 0; box < OptionBoxCount; ++box)
        if (optionCaption(box) == testo) {
            ticked = box;
            break;
        }
    sheet.setValue({Array::Check_FRAME_GENERALE, ticked}, 1);
}

void ImpostaRisposta(Sheet& sheet, int item, const QString& testo) {
    if (isIndicatorBox(item)) {
        sheet.setText({Array::Text1, item}, testo);
        return;
    }
    if (!isQuestionRow(item))
        return;
    // Either set of captions ticks the box in any row: row 0's "Si" and row 26's "Euro" alike.
    for (Array box : {Array::Check_SI, Array::Check_NO, Array::Check_NA})
        if (testo == answerCaption(box, 0) || testo == answerCaption(box, 26)) {
            sheet.setValue({box, item}, 1);
            return;
        }
}

LoadResult loadSheet(Sheet& sheet, QIODevice& device) {
    // The file is read into a sheet of its own, under the same answer rules, and the sheet takes
    // it only once it was read to its end: a file that fails halfway changes nothing.
    Sheet read;
    const AnswerRules rules(read);
    read.CaricamentoInCorso = true;
    SvuotaFoglio(read);
    LineReader lines(device);
    if (const std::optional<LineError> error = readSummary(read, lines))
        return lineFailure(*error);
    sheet.CaricamentoInCorso = true;
    sheet.assign(read);
    sheet.CaricamentoInCorso = false;
    sheet.NessunaModifica = true;
    return {};
}

LoadResult CaricaFileXml(Sheet& sheet, const QString& nome) {
    // Folders, pipes and devices count as missing: reading a pipe or a device could never end.
    if (!QFileInfo(nome).isFile())
        return {LoadResult::Outcome::Missing, QStringLiteral("Errore"), missingFileMessage(), 0};
    QFile file(nome);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return failed(u"Impossibile leggere il file \""_s + nome + u"\"."_s + CRLF +
                          u"Il file esiste ma non può essere aperto: verificare i permessi."_s,
                      0);
    return loadSheet(sheet, file);
}

} // namespace verimoda
