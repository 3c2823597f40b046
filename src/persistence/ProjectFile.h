#pragma once

#include "model/MenuProject.h"
#include "persistence/ProjectKeys.h"
#include "persistence/TextFile.h"

#include <string>
#include <string_view>

// Project files (.pkw): an INI-form text with a fixed first line, holding the keys that
// ProjectKeys.h declares.
namespace pickwell {

inline constexpr const char* ProjectHeaderLine = "Pickwell Project File (Do not edit manually)";

// True when the text's first line is ProjectHeaderLine.
bool HasProjectHeader(std::string_view bytes);

// Writes the project's file at `path`, atomically.
WriteResult SaveProjectFile(const MenuProject& project, const std::string& path,
                            FileOps& ops = SystemFileOps());
// The bytes SaveProjectFile writes.
std::string ProjectFileBytes(const MenuProject& project);

// Reads the project file at `path` and sets every value it holds through the forms, so that
// their own handling runs. False, with some values set, when the file cannot be read, is no
// project file, or holds a value a form cannot take.
bool LoadProjectFile(const std::string& path, ProjectForms& forms);

} // namespace pickwell
