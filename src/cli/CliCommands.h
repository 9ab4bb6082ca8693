#pragma once

#include <QStringList>

// The headless tool's commands. Each returns the process exit code:
// 0 done, 1 an input could not be read (or an output written), 2 usage.
namespace CliCommands {

constexpr int exitOk = 0;
constexpr int exitInput = 1;
constexpr int exitUsage = 2;

int Info(const QStringList& arguments);
int Resave(const QStringList& arguments);
int Render(const QStringList& arguments);
int Preview(const QStringList& arguments);
int Import(const QStringList& arguments);
int Library(const QStringList& arguments);
int Print(const QStringList& arguments);
int Batch(const QStringList& arguments);
int Code(const QStringList& arguments);

} // namespace CliCommands
