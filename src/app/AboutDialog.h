#pragma once
// "About Kelvo": the program's name, version, legal notice and build note.

#include "app/ProjectVersion.h"

#include <QDialog>

class QLabel;

class kelvoAboutDlg : public QDialog {
public:
    explicit kelvoAboutDlg(const TProjectKVVersion& version, QWidget* parent = nullptr);

    QString line(int index) const; // 0 to 3

private:
    QLabel* lines_[4];
};
