#include "StatisticsLoader.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <utility>

StatisticsLoader::StatisticsLoader(QStringList searchDirs)
    : module_(std::move(searchDirs), kStatisticsModuleFile, kStatisticsEntry)
{}

void StatisticsLoader::open(QWidget* parent, SpinRecorder& recorder, const GameState& state,
                            const StatisticsComboName& comboName)
{
    if (const OpenStatisticsEntry openWindow = entry()) {
        openWindow(parent, recorder, state, comboName);
        return;
    }
    QMessageBox::warning(
        parent, QCoreApplication::translate("StatisticsLoader", "Statistics"),
        QCoreApplication::translate("StatisticsLoader",
                                    "The statistics cannot be shown: a part of the game is missing or damaged.\n\n%1")
            .arg(error()));
}
