#include "AudioLoader.h"

#include <utility>

#include "AudioModule.h"
#include "ModuleLoader.h"

DeferredAudioBackend::Factory audioModuleFactory(QStringList searchDirs)
{
    return [searchDirs = std::move(searchDirs)](std::string& error) -> std::unique_ptr<AudioBackend> {
        ModuleLoader module(searchDirs, kAudioModuleFile, kAudioEntry);
        const auto make = reinterpret_cast<MakeAudioEntry>(module.entry());
        if (make == nullptr) {
            error = module.error().toStdString();
            return nullptr;
        }
        return std::unique_ptr<AudioBackend>(make());
    };
}
