#include "app/UnitsProfile.h"

#include <QSettings>

namespace {

const QString Key = QStringLiteral("Units/System");
const QString Metric = QStringLiteral("Metric");
const QString Imperial = QStringLiteral("Imperial");

} // namespace

UnitSystem LoadUnitSystem(const std::string& profilePath) {
    const QSettings profile(QString::fromStdString(profilePath), QSettings::IniFormat);
    return profile.value(Key).toString().compare(Metric, Qt::CaseInsensitive) == 0
               ? UnitSystem::Metric
               : UnitSystem::Imperial;
}

bool SaveUnitSystem(const std::string& profilePath, UnitSystem units) {
    QSettings profile(QString::fromStdString(profilePath), QSettings::IniFormat);
    profile.setValue(Key, units == UnitSystem::Metric ? Metric : Imperial);
    profile.sync();
    return profile.status() == QSettings::NoError;
}
