#include "report/ReportPdf.h"

#include "formlib/PainterSurface.h"
#include "job/FixedText.h"
#include "job/SafeWrite.h"
#include "report/PrintoutTavrin.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <optional>

namespace {

constexpr double marginInches = 0.25;

class PdfPages : public PageSink {
public:
    PdfPages(QPdfWriter& writer, const std::function<void(const QString&)>& onMessage)
        : writer_(writer), onMessage_(onMessage) {}

    Surface* BeginPage(int32_t) override {
        if (started_) {
            if (!writer_.newPage())
                return nullptr;
        } else if (!painter_.begin(&writer_)) {
            return nullptr;
        }
        started_ = true;
        surface_.emplace(painter_);
        if (onMessage_)
            surface_->SetMessageHandler(onMessage_);
        return &*surface_;
    }
    void EndPage(int32_t) override { surface_.reset(); }
    bool Finish() { return !started_ || painter_.end(); }

private:
    QPdfWriter& writer_;
    const std::function<void(const QString&)>& onMessage_;
    QPainter painter_;
    std::optional<PainterSurface> surface_;
    bool started_ = false;
};

} // namespace

ReportPdfResult RenderReportPdf(QByteArray& pdf, const ReportContent& content, int32_t from,
                                int32_t to, const std::function<void(const QString&)>& onMessage) {
    ReportPdfResult result;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    const std::string title = GetText(content.image.header.jobName);
    PrintoutTavrin printout(title);
    printout.SetPrintParams(content.image);
    QPdfWriter writer(&buffer);
    writer.setTitle(QString::fromLatin1(title.c_str()));
    writer.setCreator("Quelbox");
    writer.setPageSize(QPageSize(QPageSize::Letter));
    writer.setPageMargins(QMarginsF(marginInches, marginInches, marginInches, marginInches),
                          QPageLayout::Inch);
    PdfPages pages(writer, onMessage);
    result.pages = PrintPages(printout, content, from, to, pages);
    // The document is whole only when the painter closed it without error.
    if (!pages.Finish() || result.pages == 0 || !pdf.startsWith("%PDF") ||
        !pdf.trimmed().endsWith("%%EOF")) {
        result.message = "no page could be drawn";
        return result;
    }
    result.ok = true;
    return result;
}

ReportPdfResult WriteReportPdf(const std::string& path, const ReportContent& content, int32_t from,
                               int32_t to, const std::function<void(const QString&)>& onMessage) {
    QByteArray pdf;
    ReportPdfResult result = RenderReportPdf(pdf, content, from, to, onMessage);
    if (result.ok) {
        const FileResult written =
            WriteFileAtomically(path, pdf.constData(), static_cast<std::size_t>(pdf.size()));
        result.ok = written.ok;
        result.message = written.message;
    } else {
        result.message = "Cannot write " + path + ": " + result.message;
    }
    return result;
}

std::unique_ptr<QGuiApplication> StartGuiApplicationIfNone() {
    if (QGuiApplication::instance() != nullptr)
        return nullptr;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "quelbox";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}
