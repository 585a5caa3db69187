#pragma once
// A program directory in the scratch folder for targets that need the
// settings manager: the shipped English language file, a Model.dat and
// Settings.ini for the QAV410 at 136-174 MHz. Made once per process; the
// files a target changes are written afresh by resetFuzzProgramDir().
#include <string>

// The folder, ending with "/".
const std::string& fuzzProgramDir();
// Writes Settings.ini and Model.dat (`modelDat`, or the standard one when
// empty) again, so every input starts from the same files.
void resetFuzzProgramDir(const std::string& modelDat = {});
