#include "app/AboutDialog.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

kelvoAboutDlg::kelvoAboutDlg(const TProjectKVVersion& version, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("kelvoAboutDlg"));
    setWindowTitle(QStringLiteral("About Kelvo"));
    const QStringList initial = {QStringLiteral("Quelbox"), QStringLiteral("Version"), QString(),
                                 QString()};
    auto* text = new QVBoxLayout;
    for (int i = 0; i < 4; ++i) {
        lines_[i] = new QLabel(initial[i], this);
        lines_[i]->setObjectName(QStringLiteral("line%1").arg(i + 1));
        text->addWidget(lines_[i]);
    }
    QFont first = lines_[0]->font();
    first.setBold(true);
    first.setPointSizeF(first.pointSizeF() * 1.4);
    lines_[0]->setFont(first);

    const char* name = nullptr;
    const char* number = nullptr;
    if (version.GetProductName(name) && version.GetProductVersion(number)) {
        const QString current = lines_[1]->text().left(127);
        lines_[1]->setText(QStringLiteral("%1 %2 %3")
                               .arg(QString::fromUtf8(name), current, QString::fromUtf8(number)));
    }
    const char* legal = nullptr;
    if (version.GetLegalCopyright(legal))
        lines_[2]->setText(QString::fromUtf8(legal));
    const char* build = nullptr;
    if (version.GetSpecialBuild(build))
        lines_[3]->setText(QString::fromUtf8(build));

    auto* icon = new QToolButton(this);
    icon->setIcon(QApplication::windowIcon().isNull()
                      ? style()->standardIcon(QStyle::SP_MessageBoxInformation)
                      : QApplication::windowIcon());
    icon->setIconSize(QSize(32, 32));
    icon->setAutoRaise(true);
    auto* row = new QHBoxLayout;
    row->addWidget(icon, 0, Qt::AlignTop);
    row->addSpacing(8);
    row->addLayout(text, 1);
    files_ = new QLabel(this);
    files_->setObjectName(QStringLiteral("files"));
    files_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    files_->hide();
    text->addSpacing(6);
    text->addWidget(files_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
}

void kelvoAboutDlg::setFileLocations(const QString& folder, const QString& profile) {
    files_->setText(
        QStringLiteral("Tables, defaults and company file: %1\nProfile: %2").arg(folder, profile));
    files_->show();
}

QString kelvoAboutDlg::line(int index) const {
    return index >= 0 && index < 4 ? lines_[index]->text() : QString();
}
