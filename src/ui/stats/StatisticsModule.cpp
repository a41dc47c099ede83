// The statistics module's one exported function.
#include "StatisticsModule.h"

#include <QtGlobal>

#include "StatisticsWindow.h"

extern "C" Q_DECL_EXPORT void quintel_open_statistics_v1(QWidget* parent, SpinRecorder& recorder,
                                                         const GameState& state, const StatisticsComboName& comboName)
{
    openStatistics(parent, recorder, state, comboName);
}

// The loader calls it through this type.
[[maybe_unused]] static constexpr OpenStatisticsEntry kEntryShape = &quintel_open_statistics_v1;
