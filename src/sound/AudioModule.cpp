// The audio module's one exported function.
#include "AudioModule.h"

#include "SdlAudioBackend.h"

extern "C" __attribute__((visibility("default"))) AudioBackend* quintel_make_audio_v1()
{
    return new SdlAudioBackend();
}

// The loader calls it through this type.
[[maybe_unused]] static constexpr MakeAudioEntry kEntryShape = &quintel_make_audio_v1;
