#pragma once

#include "tgrid.h"
#include "tgvalidator.h"

#include <QApplication>
#include <QString>
#include <QWidget>

#include <map>
#include <memory>
#include <utility>
#include <vector>

// The application object of the widget tests (made by their main).
QApplication& TestApplication();

// Shows the window and waits until it is active, so that focus and keys work.
void ShowActive(QWidget& window);

// Keeps the messages the library shows instead of opening message boxes.
class MessageRecorder {
public:
    MessageRecorder();
    ~MessageRecorder();
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    struct Message {
        QString title;
        QString text;
    };
    std::vector<Message> messages;
};

// A grid whose cells live in a map and that counts the hooks it is asked.
class TestGrid : public TGrid {
public:
    explicit TestGrid(QWidget* parent, int id = 5) : TGrid(parent, id) {}

    std::map<std::pair<int, int>, QByteArray> cells;
    std::map<std::pair<int, int>, int> cellStates;
    std::vector<int> appendAsked;
    std::vector<std::pair<int, int>> visibleChanges;
    std::vector<std::pair<int, bool>> selectionChanges;
    std::vector<int> inserted;
    std::vector<int> deleted;
    std::vector<std::pair<int, int>> dataAsked;
    bool acceptData = true;
    bool allowAppend = true;

    QByteArray GetCellData(int line, int id) override {
        dataAsked.emplace_back(line, id);
        return cells[{line, id}];
    }
    void PutCellData(int line, int id, const QByteArray& data) override {
        cells[{line, id}] = data;
    }
    int acceptAsked = 0;
    bool CanAcceptCellData(int, int, const QByteArray&) override {
        ++acceptAsked;
        return acceptData;
    }
    bool CanAppendLine(int line) override {
        appendAsked.push_back(line);
        return allowAppend;
    }
    int GetCellState(int line, int id) override {
        const auto found = cellStates.find({line, id});
        return found == cellStates.end() ? 0 : found->second;
    }
    void VisibleLinesChanged(int top, int bottom) override {
        visibleChanges.emplace_back(top, bottom);
    }
    void LineSelectionChanged(int line, bool selected) override {
        selectionChanges.emplace_back(line, selected);
    }
    bool InsertLine(int line) override {
        inserted.push_back(line);
        SetNLines(NLines() + 1);
        return true;
    }
    bool DeleteLine(int line) override {
        deleted.push_back(line);
        SetNLines(NLines() - 1);
        return true;
    }

    QString Text(int line, int id) { return QString::fromUtf8(cells[{line, id}]); }
};
