#pragma once
// The client window: the load summary of the current job as a scrollable text page. Painting
// recalculates the job first, so the page always shows the current inputs.

#include "app/AppState.h"
#include "report/SummaryPage.h"

#include <QAbstractScrollArea>
#include <QFont>

#include <functional>

class TKlientWindow : public QAbstractScrollArea {
public:
    static constexpr int ScrollColumns = 20;
    static constexpr int ScrollRows = 70;

    TKlientWindow(AppState& state, QWidget* parent = nullptr);

    int columnWidth() const { return cw_; }
    int lineHeight() const { return lh_; }
    // The page of the last paint.
    const SummaryPage& lastPage() const { return page_; }
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

    AppState& state_;
    QFont detail_;
    QFont heading_;
    int cw_ = 1;
    int lh_ = 1;
    SummaryPage page_;
    std::function<void()> firstPaint_;
    std::function<void()> selectionDropped_;
};
