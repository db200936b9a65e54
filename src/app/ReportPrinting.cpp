#include "app/ReportPrinting.h"

#include "dialogs/DialogHooks.h"
#include "dialogs/Text1252.h"
#include "equipment/UnitCheck.h"
#include "formlib/PainterSurface.h"
#include "job/FixedText.h"
#include "job/SafeFileName.h"
#include "report/PrintoutTavrin.h"
#include "report/ReportPdf.h"

#include <QApplication>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <QPushButton>
#include <QStringList>
#include <QUrl>

#include <functional>
#include <optional>

namespace {

// What drawing the report has to tell the user (a logo that cannot be read), each text shown once
// after the pages are drawn rather than once per page.
class DrawingMessages {
public:
    void Add(const QString& text) {
        if (!texts_.contains(text))
            texts_.push_back(text);
    }
    std::function<void(const QString&)> Handler() {
        return [this](const QString& text) { Add(text); };
    }
    void Show(QWidget* parent) const {
        for (const QString& text : texts_)
            ShowMessage(parent,
                        {ApplicationTitle(), text, MessageIcon::Exclamation, MessageButtons::Ok});
    }

private:
    QStringList texts_;
};

// Pages on a printer (or the preview's printer): one painter for the run, a new sheet per page.
class PrinterPages : public PageSink {
public:
    PrinterPages(QPrinter& printer, DrawingMessages& messages)
        : printer_(printer), messages_(messages) {}
    ~PrinterPages() override {
        if (painter_.isActive())
            painter_.end();
    }

    Surface* BeginPage(int32_t page) override {
        if (onPage)
            onPage(page);
        const bool ready = started_ ? printer_.newPage() : painter_.begin(&printer_);
        if (!ready) {
            failed_ = true;
            return nullptr;
        }
        started_ = true;
        surface_.emplace(painter_);
        surface_->SetMessageHandler(messages_.Handler());
        return &*surface_;
    }
    void EndPage(int32_t) override { surface_.reset(); }
    bool failed() const { return failed_; }

    std::function<void(int32_t page)> onPage;

private:
    QPrinter& printer_;
    DrawingMessages& messages_;
    QPainter painter_;
    std::optional<PainterSurface> surface_;
    bool started_ = false;
    bool failed_ = false;
};

// The job as the summary shows it: recalculated and re-checked, with the working folder's logo.
ReportContent ContentOf(AppState& state) {
    RefreshJob(state.job, state.equipment);
    return ReportContent{state.job.image, state.equipment, state.submitter,
                         state.pathOf(LogoFileName), state.units};
}

QString TitleOf(const AppState& state) {
    return From1252(GetText(state.job.image.header.jobName));
}

} // namespace

ReportPrinting::ReportPrinting() = default;
ReportPrinting::~ReportPrinting() = default;

QPrinter& ReportPrinting::Printer() {
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        // The report is laid out for US Letter: start on it unless a printer of the system gave
        // the page its own size (without one, Qt's default size follows the locale).
        if (printer_->printerName().isEmpty())
            printer_->setPageSize(QPageSize(QPageSize::Letter));
    }
    return *printer_;
}

void ReportPrinting::Print(AppState& state, QWidget* parent) {
    QPrinter& printer = Printer();
    PrintoutTavrin printout(GetText(state.job.image.header.jobName));
    const PrintPageRange range = printout.GetDialogInfo(state.job.image);

    QPrintDialog dialog(&printer, parent);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    dialog.setMinMax(range.minPage, range.maxPage);
    dialog.setFromTo(range.fromPage, std::min(range.toPage, range.maxPage));
    printer.setCopyCount(range.copies);
    if (RunModal(dialog) != QDialog::Accepted)
        return;

    const bool allPages = printer.printRange() != QPrinter::PageRange;
    const int32_t from = allPages ? 1 : printer.fromPage();
    const int32_t to = allPages ? printout.PageCount() : printer.toPage();
    printer.setDocName(TitleOf(state));

    QProgressDialog progress(parent);
    progress.setWindowTitle(QStringLiteral("Printing"));
    progress.setRange(0, to - from + 1);
    progress.setMinimumDuration(0);
    progress.setWindowModality(Qt::WindowModal);
    printout.SetUserAbort([&progress] {
        QApplication::processEvents();
        return progress.wasCanceled();
    });

    const ReportContent content = ContentOf(state);
    DrawingMessages messages;
    PrinterPages pages(printer, messages);
    const QString where = printer.outputFileName().isEmpty() ? QStringLiteral("the printer port")
                                                             : printer.outputFileName();
    pages.onPage = [&](int32_t page) {
        progress.setLabelText(QStringLiteral("Now printing Page %1 of\n'%2' on the\n%3 on %4")
                                  .arg(page)
                                  .arg(TitleOf(state), printer.printerName(), where));
        progress.setValue(page - from);
    };
    PrintPages(printout, content, from, to, pages);
    progress.setValue(progress.maximum());
    messages.Show(parent);
    if (pages.failed())
        ShowMessage(parent, {ApplicationTitle(), QStringLiteral("Printer error"),
                             MessageIcon::Exclamation, MessageButtons::Ok});
}

void ReportPrinting::Preview(AppState& state, QWidget* parent) {
    QPrintPreviewDialog dialog(&Printer(), parent);
    dialog.setWindowTitle(QStringLiteral("Print Preview - ") + TitleOf(state));
    if (parent != nullptr)
        dialog.resize(parent->width() * 2 / 3, parent->height() * 9 / 10);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&state, &dialog](QPrinter* printer) {
                         PrintoutTavrin printout(GetText(state.job.image.header.jobName));
                         printout.SetPrintParams(state.job.image);
                         DrawingMessages messages;
                         {
                             PrinterPages pages(*printer, messages);
                             PrintPages(printout, ContentOf(state), 1, printout.PageCount(), pages);
                         }
                         messages.Show(&dialog);
                     });
    RunModal(dialog);
}

QString ReportPrinting::ExportPdf(AppState& state, QWidget* parent) {
    FileRequest request;
    request.save = true;
    request.caption = QStringLiteral("Export PDF");
    const std::string name = SafeFileName(TitleOf(state).toStdString());
    request.preset = (name.empty() ? QStringLiteral("report") : QString::fromStdString(name)) +
                     QStringLiteral(".pdf");
    request.filter = QStringLiteral("PDF Files (*.pdf);;All Files (*)");
    request.defaultSuffix = QStringLiteral("pdf");
    const QString path = ChooseFile(parent, request);
    if (path.isEmpty())
        return {};
    DrawingMessages messages;
    const ReportPdfResult written =
        WriteReportPdf(path.toStdString(), ContentOf(state), 1, 2, messages.Handler());
    messages.Show(parent);
    if (written.ok)
        return path;
    ShowMessage(parent, {QStringLiteral("File Save Error"), QString::fromStdString(written.message),
                         MessageIcon::Exclamation, MessageButtons::Ok});
    return {};
}

QString PdfSavedStatus(const QString& path) {
    return QStringLiteral("Report saved as ") + path;
}

void OfferToOpenPdf(const QString& path, QWidget* parent) {
    QMessageBox box(QMessageBox::Information, QStringLiteral("Export PDF"),
                    QStringLiteral("The report was saved as\n") + path, QMessageBox::NoButton,
                    parent);
    box.setObjectName(QStringLiteral("pdfSaved"));
    QPushButton* open = box.addButton(QStringLiteral("&Open"), QMessageBox::AcceptRole);
    open->setObjectName(QStringLiteral("openButton"));
    QPushButton* close = box.addButton(QMessageBox::Close);
    close->setObjectName(QStringLiteral("closeButton"));
    box.setDefaultButton(open);
    box.setEscapeButton(close);
    RunModal(box);
    if (box.clickedButton() == open && !OpenUrl(QUrl::fromLocalFile(path)))
        ShowMessage(parent, {QStringLiteral("Export PDF"),
                             QStringLiteral("No program could be started to open ") + path,
                             MessageIcon::Exclamation, MessageButtons::Ok});
}
