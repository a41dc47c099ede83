#pragma once

#include <QString>
#include <initializer_list>
#include <string>

// The engine's and the sound's texts in the player's language, translated where the window shows them.

// A message title or text as the engine wrote it: one of its marked texts, with the values it filled in kept.
// A text that is none of them is shown as it is.
QString translatedEngineText(const std::string& english);
// The same for a text filled in from one of sources, marked in context.
QString translatedText(const std::string& english, const char* context, std::initializer_list<const char*> sources);
// A combination or symbol name from the machine table.
QString machineText(const std::string& english);
