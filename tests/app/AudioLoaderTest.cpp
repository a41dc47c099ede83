// The audio backend comes from its module when the first sound needs it.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "AudioLoader.h"
#include "TempDir.h"

TEST(AudioLoader, MakesTheSdlBackendFromTheBuiltModuleAndNamesAMissingOne)
{
    std::string error;
    const std::unique_ptr<AudioBackend> backend = audioModuleFactory({QStringLiteral(QUINTEL_BUILT_MODULE_DIR)})(error);
    ASSERT_NE(backend, nullptr) << error;
    // The tests' dummy driver opens like a sound card.
    EXPECT_TRUE(backend->isOpen()) << backend->lastError();

    TempDir dir;
    EXPECT_EQ(audioModuleFactory({dir.qPath()})(error), nullptr);
    EXPECT_EQ(error, "quintel-audio.so not found in " + dir.qPath().toStdString());
}
