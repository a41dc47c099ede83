#pragma once

#include <QStringList>

#include "DeferredAudioBackend.h"

// Makes the game's audio backend from the audio module (AudioModule.h), found and loaded like the other
// modules (ModuleLoader) when the first sound needs it. Without a loadable module, the error names why.
DeferredAudioBackend::Factory audioModuleFactory(QStringList searchDirs);
