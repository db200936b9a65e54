#pragma once
// The client window: the load summary of the current job as a scrollable text page. Painting
// recalculates the job first, so the page always shows the current inputs.

#include "app/AppState.h"
#include "app/SummaryPlacement.h"
#include "report/SummaryPage.h"

#include <QAbstractScrollArea>

#include <functional>
#include <vector>

class TKlientWindow : public QAbstractScrollArea {
public:
    // The least width the page scrolls over, in columns.
    static constexpr int ScrollColumns = 20;

    TKlientWindow(AppState& state, QWidget* parent = nullptr);

    int columnWidth() const { return fonts_.columnWidth; }
    int lineHeight() const { return fonts_.lineHeight; }
    // The page of the last paint.
    const SummaryPage& lastPage() const { return page_; }
    // The texts of the last paint, placed on the page.
    const std::vector<PlacedText>& placedTexts() const { return placed_; }
    // Called once, at the end of the first paint (start-up timing).
    void onFirstPaint(std::function<void()> handler) { firstPaint_ = std::move(handler); }
    // Called when a paint's re-check of the equipment dropped the selected unit or coil, so the
    // commands that depend on them can follow.
    void onSelectionDropped(std::function<void()> handler) {
        selectionDropped_ = std::move(handler);
    }

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void updateScrollBars();
    void placeTexts();

    AppState& state_;
    SummaryFonts fonts_;
    SummaryPage page_;
    std::vector<PlacedText> placed_;
    QSize pageSize_; // pixels the page's texts take
    std::function<void()> firstPaint_;
    std::function<void()> selectionDropped_;
};
