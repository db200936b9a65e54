#pragma once
// The printed report as a PDF file: US Letter with the quarter-inch margins of a typical laser
// printer, drawn through the same report code on tavrin32's QPainter surface.

#include "report/ReportContent.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

class QGuiApplication;

struct ReportPdfResult {
    bool ok = false;
    int32_t pages = 0;
    std::string message; // why the file could not be written, naming it
};

// Draws pages from..to (kept within the report's pages) into `pdf`. Needs a QGuiApplication.
// What the drawing has to tell (a logo that cannot be read) goes to onMessage, or to stderr
// without one. Fails when the document did not come out whole.
ReportPdfResult RenderReportPdf(QByteArray& pdf, const ReportContent& content, int32_t from,
                                int32_t to,
                                const std::function<void(const QString&)>& onMessage = {});

// Draws the pages and writes them to the file as every file is written (see job/SafeWrite.h):
// renamed into place only after every byte was written and flushed, so a failure leaves an
// existing file as it was; the message names the file and the reason.
ReportPdfResult WriteReportPdf(const std::string& path, const ReportContent& content, int32_t from,
                               int32_t to,
                               const std::function<void(const QString&)>& onMessage = {});

// Fonts need a QGuiApplication: makes one, on the offscreen platform unless QT_QPA_PLATFORM
// names another, when the process has none yet (otherwise returns nullptr).
std::unique_ptr<QGuiApplication> StartGuiApplicationIfNone();
