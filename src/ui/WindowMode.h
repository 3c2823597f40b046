#pragma once

namespace pickwell {

// The program with its windows: `pickwell [PROJECT.pkw]`. Returns the exit status.
int RunWindowMode(int argc, char* argv[]);

} // namespace pickwell
