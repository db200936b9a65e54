#pragma once
// "About Kelvo": the program's name, version, legal notice and build note, and below them where
// the program keeps its files.

#include "app/ProjectVersion.h"

#include <QDialog>

class QLabel;

class kelvoAboutDlg : public QDialog {
public:
    explicit kelvoAboutDlg(const TProjectKVVersion& version, QWidget* parent = nullptr);

    QString line(int index) const; // 0 to 3

    // Names the working folder (tables, DEFAULTS.KVI, SUBMIT.KVI, the logo) and the profile.
    void setFileLocations(const QString& folder, const QString& profile);

private:
    QLabel* lines_[4];
    QLabel* files_;
};
