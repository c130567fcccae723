#include "file/writer.h"

#include "file/disk.h"

#include "entry/answers.h"
#include "file/codec.h"
#include "file/reader.h"
#include "file/save_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace verimoda {

using namespace Qt::StringLiterals;

namespace {

constexpr QLatin1StringView CRLF("\r\n");

// The sections of the QUESTIONARIO element. Item 26 stands in none; the last section runs on to
// item 84 over the summary page, which has no heading of its own.
struct Section {
    int first;
    int last;
    int heading; // LABEL_TITOLO
};
constexpr Section Sections[] = {
    {0, 5, 0},   {6, 11, 1},  {12, 17, 2}, {18, 23, 3}, {24, 25, 4},
    {27, 32, 5}, {33, 42, 6}, {43, 49, 7}, {50, 58, 8}, {59, 84, 9},
};

const Section* sectionStartingAt(int item) {
    for (const Section& s : Sections)
        if (s.first == item)
            return &s;
    return nullptr;
}

bool sectionEndsAt(int item) {
    for (const Section& s : Sections)
        if (s.last == item)
            return true;
    return false;
}

bool allGeneralEmpty(const Sheet& sheet) {
    for (int i = 0; i < GeneralBoxCount; ++i)
        if (!sheet.general(i).isEmpty())
            return false;
    return true;
}

// Caption of the first ticked box of an option group, or nothing.
std::optional<QString> tickedCaption(const Sheet& sheet, int group) {
    const OptionGroup& g = optionGroup(group);
    for (int box = g.first; box <= g.last; ++box)
        if (sheet.option(box) == 1)
            return optionCaption(box);
    return std::nullopt;
}

void appendLine(QString& text, QStringView line) {
    text += line;
    text += CRLF;
}

void appendFieldLine(QString& text, QStringView name) {
    text += u"<CAMPO STRINGA = \"";
    text += name;
    appendLine(text, u"\" > ");
}

// The general box whose field a box belongs to: the day box for the month and year boxes.
int fieldOfBox(int box) {
    switch (box) {
    case 3:
    case 4:
        return 2;
    case 6:
    case 7:
        return 5;
    default:
        return box;
    }
}

Problem fileTextProblem(Control focus, int page, QStringView name, QStringView reason) {
    QString message = u"Verificare nel riquadro "_s + pageCaption(page) + CRLF;
    message += u'<';
    message += name;
    message += u'>' + CRLF;
    message += reason;
    message += u": correggere il testo prima di salvare il file.";
    return {QStringLiteral("Errore"), message, focus, page};
}

// Why a text cannot go into the file as it is, or nothing. `number` is its box or item, which
// starts its line of the summary.
std::optional<QString> unwritableReason(const QString& text, bool indicator, int number) {
    if (text.contains(u'\r') || text.contains(u'\n'))
        return QStringLiteral("il testo va a capo, e nel file ogni valore sta su una sola riga");
    const QString character = firstUnwritableCharacter(text);
    if (character.size() == 1 && character[0].isSurrogate()) // half of a character
        return QStringLiteral("il testo contiene un carattere non valido");
    if (!character.isEmpty())
        return u"il carattere \""_s + character + u"\" (U+"_s +
               QString::number(character.toUcs4().value(0), 16).toUpper().rightJustified(4, u'0') +
               u") non può essere scritto nel file"_s; // many show as an empty box
    if (indicator && text.contains(u'>'))
        return QStringLiteral("il valore non può contenere il carattere \">\"");
    // The line the reader would read back: "<number> - " and the text, accents transliterated
    // (which at most doubles it).
    if (2 * text.size() + 8 <= MaxLineLength)
        return std::nullopt;
    QString line = QString::number(number) + u" - "_s + text;
    if (ConvertiAccenti(line).size() > MaxLineLength)
        return u"il testo è troppo lungo per il file (oltre "_s + QString::number(MaxLineLength) +
               u" caratteri in una riga)"_s;
    return std::nullopt;
}

QString disketteFailure(const QString& name, const QString& reason) {
    return u"Impossibile copiare il file sul dischetto (\""_s + name + u"\")."_s + CRLF + reason;
}

} // namespace

QString NomeCampoGenerale(int index) {
    switch (index) {
    case 0:
    case 1:
    case 2:
        return generalCaption(index);
    case 5:
        return generalCaption(3);
    case 8:
    case 9:
    case 10:
    case 11:
        return generalCaption(index - 4);
    default:
        return {};
    }
}

QString ValoreCampoGenerale(const Sheet& sheet, int index) {
    switch (index) {
    case 2:
    case 5:
        return sheet.general(index) + u'/' + sheet.general(index + 1) + u'/' +
               sheet.general(index + 2);
    case 3:
    case 4:
    case 6:
    case 7:
        return {};
    default:
        return sheet.general(index);
    }
}

QString ScriviDatiGenerali(const Sheet& sheet) {
    QString text;
    text.reserve(2048);
    appendLine(text, u"<DATI_GENERALI>");
    if (allGeneralEmpty(sheet)) {
        appendLine(text, u"</DATI_GENERALI>");
        return text;
    }
    for (int index = 0; index < GeneralBoxCount; ++index) {
        if (sheet.general(index).isEmpty())
            continue;
        const QString value = ValoreCampoGenerale(sheet, index);
        if (value.isEmpty())
            continue;
        appendFieldLine(text, NomeCampoGenerale(index));
        appendLine(text, u"<VALORE>"_s + value);
        appendLine(text, u"</VALORE>");
        appendLine(text, u"</CAMPO>");
    }
    for (int group = 0; group < OptionGroupCount; ++group) {
        appendFieldLine(text, generalCaption(optionGroup(group).label));
        std::optional<QString> value = tickedCaption(sheet, group);
        // The first group always names an answer: "No" unless "Si" is ticked.
        if (group == 0)
            value = optionCaption(sheet.option(0) == 1 ? 0 : 1);
        if (value) {
            appendLine(text, u"<VALORE>"_s + *value);
            appendLine(text, u"</VALORE>");
        } else {
            appendLine(text, u"<VALORE></VALORE>");
        }
        appendLine(text, u"</CAMPO>");
    }
    appendLine(text, u"</DATI_GENERALI>");
    return text;
}

QString& ApriIntestazione(int item, QString& testo) {
    const Section* section = sectionStartingAt(item);
    Q_ASSERT_X(section, "ApriIntestazione", "no section starts at this item");
    if (!section)
        return testo;
    appendLine(testo, u"<INTESTAZIONE_DOMANDA>");
    appendLine(testo, headingText(section->heading));
    return testo;
}

QString ScriviQuestionario(const Sheet& sheet, QString& TestoRiepilogo) {
    appendLine(TestoRiepilogo, u"QUESTIONARIO");
    QString text;
    text.reserve(24 * 1024);
    appendLine(text, u"<QUESTIONARIO>");
    for (int i = 0; i < ItemCount; ++i) {
        const QString answer = RispostaDomanda(sheet, i);
        if (!answer.isEmpty()) {
            TestoRiepilogo += QString::number(i);
            TestoRiepilogo += u" - ";
            appendLine(TestoRiepilogo, answer);
        }
        if (sectionStartingAt(i))
            ApriIntestazione(i, text);
        appendLine(text, u"<DOMANDA>");
        appendLine(text, item(i).text);
        appendLine(text, u"<RISPOSTA>");
        appendLine(text, answer);
        appendLine(text, u"</RISPOSTA>");
        appendLine(text, u"</DOMANDA>");
        if (sectionEndsAt(i))
            appendLine(text, u"</INTESTAZIONE_DOMANDA>");
    }
    text += u"</QUESTIONARIO>";
    return text;
}

QString sheetFileText(const Sheet& sheet) {
    QString TestoRiepilogo;
    TestoRiepilogo.reserve(4096);
    appendLine(TestoRiepilogo, u"<BODY>");
    appendLine(TestoRiepilogo, u"<RIEPILOGO_FINALE>");
    appendLine(TestoRiepilogo, u"DATI GENERALI");
    for (int n = 0; n < GeneralBoxCount; ++n) {
        if (sheet.general(n).isEmpty())
            continue;
        TestoRiepilogo += QString::number(n);
        TestoRiepilogo += u" - ";
        appendLine(TestoRiepilogo, sheet.general(n));
    }
    for (int group = 0; group < OptionGroupCount; ++group) {
        if (const std::optional<QString> caption = tickedCaption(sheet, group)) {
            TestoRiepilogo += u'F' + QString::number(optionGroup(group).label);
            TestoRiepilogo += u" - ";
            appendLine(TestoRiepilogo, *caption);
        }
    }
    const QString datiGenerali = ScriviDatiGenerali(sheet);
    const QString questionario = ScriviQuestionario(sheet, TestoRiepilogo);
    appendLine(TestoRiepilogo, u"</RIEPILOGO_FINALE>");

    QString text;
    text.reserve(TestoRiepilogo.size() + datiGenerali.size() + questionario.size() + 16);
    text += TestoRiepilogo;
    text += datiGenerali;
    text += questionario;
    appendLine(text, u"</BODY>");
    text += CRLF; // the line end the single write adds after the last line
    return ConvertiAccenti(text);
}

QByteArray sheetFileBytes(const Sheet& sheet) {
    return encodeCodePage(sheetFileText(sheet));
}

std::optional<Problem> checkFileTexts(const Sheet& sheet) {
    for (int box = 0; box < GeneralBoxCount; ++box) {
        if (const auto reason = unwritableReason(sheet.general(box), false, box))
            return fileTextProblem({Array::TEXT_GENERALE, box}, 0,
                                   NomeCampoGenerale(fieldOfBox(box)), *reason);
    }
    for (int i = 0; i < ItemCount; ++i) {
        if (!isIndicatorBox(i))
            continue;
        if (const auto reason = unwritableReason(sheet.indicator(i), true, i))
            return fileTextProblem({Array::Text1, i}, itemPage(i), item(i).text, *reason);
    }
    return std::nullopt;
}

std::optional<QString> saveSheetFile(const QString& path, const QByteArray& bytes) {
    if (const std::optional<QString> reason = saveWholeFile(path, bytes))
        return u"Impossibile scrivere il file \""_s + QDir::toNativeSeparators(path) + u"\"."_s +
               CRLF + *reason;
    return std::nullopt;
}

QString relativeFileName(const QString& path, const QString& programFolder) {
    const QString file = QDir::cleanPath(path);
    QString folder = QDir::cleanPath(programFolder);
    if (!folder.endsWith(u'/'))
        folder += u'/';
    if (!programFolder.isEmpty() && file.size() > folder.size() && file.startsWith(folder))
        return file.mid(folder.size());
    return QFileInfo(file).fileName();
}

std::optional<QString> copyToDiskette(const QString& path, const QString& disketteFolder) {
    QFile source(path);
    if (!source.open(QIODevice::ReadOnly))
        return disketteFailure(QFileInfo(path).fileName(),
                               u"Il file salvato non può essere letto."_s);
    return copyToDiskette(source, QFileInfo(path).fileName(), disketteFolder);
}

std::optional<QString> copyToDiskette(QIODevice& source, const QString& name,
                                      const QString& disketteFolder) {
    // An empty folder would mean the current folder, not the diskette.
    if (disketteFolder.isEmpty() || !QFileInfo(disketteFolder).isDir())
        return disketteFailure(name, u"L'unità A: non è disponibile."_s);
    QByteArray bytes;
    char chunk[64 * 1024];
    for (;;) {
        const qint64 read = source.read(chunk, sizeof chunk);
        if (read < 0)
            return disketteFailure(name, u"Il file salvato non può essere letto per intero: sul "
                                         u"dischetto non è stato copiato nulla."_s);
        if (read == 0)
            break;
        bytes.append(chunk, read);
    }
    if (const std::optional<QString> reason =
            saveWholeFile(QDir(disketteFolder).filePath(name), bytes))
        return disketteFailure(name, writeProtected(disketteFolder)
                                         ? u"Il dischetto è protetto da scrittura."_s
                                         : *reason);
    return std::nullopt;
}

} // namespace verimoda
