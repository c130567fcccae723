// The printed sheet: page 1 with the document title and the general data, pages 2 to 6 with the
// 85 items, their answers and the section headings, on a fixed page plan. The layout only reads
// the sheet.
#pragma once

#include "print/printer.h"
#include "sheet/sheet.h"

namespace verimoda {

// The whole document on a printer that is ready for its first page: sets the scale, prints the
// six pages and ends the document.
void StampaDocumento(Printer& printer, const Sheet& sheet);

// The value printed beside general-data label `row` (0-11).
QString ValoreGenerale(const Sheet& sheet, int row);

// The pieces of the document, each printing at the printer's current state as the whole document
// would.
class PrintLayout {
public:
    PrintLayout(Printer& printer, const Sheet& sheet) : p_(printer), sheet_(sheet) {}

    void StampaDocumento();
    void StampaValoreGenerale(const QString& label, const QString& value);
    void printRightAligned(const QString& line);
    void StampaPagine();
    void NuovaPagina(int n);
    void StampaTitoloPagina(const QString& title);
    QString Puntini(float x) const;
    void StampaTitoloSezione(int k);
    // One item row from the current y: text, dot leader and answer, the text broken into
    // justified lines first when it is wider than LarghezzaTesto.
    void StampaRiga(const QString& text, const QString& answer);

    float PosizioneRiga = 0; // y of the row being printed
    int LarghezzaTesto = 164;

private:
    void printRule(float y);
    void printJustified(const QString& line);
    void printOneLineRow(const QString& text, const QString& answer);
    void printCurrencyRow();

    Printer& p_;
    const Sheet& sheet_;
};

} // namespace verimoda
