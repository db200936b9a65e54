#include "report/ReportPdf.h"

#include "formlib/PainterSurface.h"
#include "job/FixedText.h"
#include "report/PrintoutTavrin.h"

#include <QGuiApplication>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

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

std::string CannotWrite(const std::string& path, const QString& reason) {
    return "Cannot write " + path + ": " + reason.toStdString();
}

} // namespace

ReportPdfResult WriteReportPdf(const std::string& path, const ReportContent& content, int32_t from,
                               int32_t to, const std::function<void(const QString&)>& onMessage) {
    ReportPdfResult result;
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly)) {
        result.message = CannotWrite(path, file.errorString());
        return result;
    }
    const std::string title = GetText(content.image.header.jobName);
    PrintoutTavrin printout(title);
    printout.SetPrintParams(content.image);
    {
        QPdfWriter writer(&file);
        writer.setTitle(QString::fromLatin1(title.c_str()));
        writer.setCreator("Quelbox");
        writer.setPageSize(QPageSize(QPageSize::Letter));
        writer.setPageMargins(QMarginsF(marginInches, marginInches, marginInches, marginInches),
                              QPageLayout::Inch);
        PdfPages pages(writer, onMessage);
        result.pages = PrintPages(printout, content, from, to, pages);
        if (!pages.Finish() || result.pages == 0) {
            file.cancelWriting();
            result.message = CannotWrite(path, "no page could be drawn");
            return result;
        }
    }
    if (!file.commit()) {
        result.message = CannotWrite(path, file.errorString());
        return result;
    }
    result.ok = true;
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
