#pragma once
// The printed report from the desktop program: "&Print Job" through the print dialog and a
// "Printing" progress dialog whose Cancel stops before the next report step, a print preview of
// the same pages, and the same pages into a PDF file.

#include "app/AppState.h"

#include <QString>

#include <memory>

class QPrinter;
class QWidget;

class ReportPrinting {
public:
    ReportPrinting();
    ~ReportPrinting();
    ReportPrinting(const ReportPrinting&) = delete;
    ReportPrinting& operator=(const ReportPrinting&) = delete;

    // The print dialog with pages 1 to the report's page count, then the chosen pages on the
    // chosen printer. The printer and its settings are kept for the next print.
    void Print(AppState& state, QWidget* parent);
    void Preview(AppState& state, QWidget* parent);
    // Asks for a file name and writes the report's pages as a PDF. Returns the file written;
    // empty when the user cancelled or the file could not be written (a message said why).
    QString ExportPdf(AppState& state, QWidget* parent);

    // The application printer, created at the first use.
    QPrinter& Printer();

private:
    std::unique_ptr<QPrinter> printer_;
};

// The status line after an export: where the PDF went.
QString PdfSavedStatus(const QString& path);
// Tells where the PDF went and offers to open it in the desktop's PDF viewer (through OpenUrl);
// a viewer that cannot be started is reported.
void OfferToOpenPdf(const QString& path, QWidget* parent);
