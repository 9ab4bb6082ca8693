#pragma once

#include <functional>
#include <string>

// Where Prepkit's messages go: standard error for the installer's log, a
// list in the tests. A message may hold line breaks; the sink ends it.
using MessageSink = std::function<void(const std::string& message)>;

void WriteToStandardError(const std::string& message);
// The system's text for an error number, as the messages show it.
std::string SystemMessage(int error);
