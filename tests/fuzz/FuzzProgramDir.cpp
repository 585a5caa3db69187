#include "FuzzProgramDir.h"
#include "FuzzSupport.h"

#include <filesystem>

namespace {

constexpr const char* kSettings =
    "[Setting]\nLanguage=0\nModelID=QAV410\nModelName=QAV-410\nFreqRange=136-174\nSignal=1\nComPort=1\n";
constexpr const char* kModelDat =
    "[Setting]\nModelID=QAV410,QAV420\nQAV410=QAV-410\nQAV420=QAV-420\n"
    "[QAV410]\nNumber=2\nFreq0=136,174,136,174,128\nFreq1=400,470,400,470,1\n"
    "[QAV420]\nNumber=1\nFreq0=350,390,350,390,2\n";

std::string makeProgramDir()
{
    const std::string dir = fuzzScratchDir() + "program/";
    std::filesystem::create_directories(dir + "user");
    std::filesystem::copy_file(QAV_DATA_DIR "/QAV_E.lng", dir + "QAV_E.lng",
                               std::filesystem::copy_options::overwrite_existing);
    return dir;
}

}  // namespace

const std::string& fuzzProgramDir()
{
    static const std::string dir = makeProgramDir();
    return dir;
}

void resetFuzzProgramDir(const std::string& modelDat)
{
    const std::string& dir = fuzzProgramDir();
    writeScratchFile("program/Settings.ini", kSettings);
    writeScratchFile("program/Model.dat", modelDat.empty() ? std::string(kModelDat) : modelDat);
    std::error_code ec;
    std::filesystem::remove(dir + "user/Settings.ini", ec);
    std::filesystem::remove(dir + "user/Model.dat", ec);
}
