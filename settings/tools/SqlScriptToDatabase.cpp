// Build step: runs an SQL script into a new database file, so the shipped settings database is
// made from a committed, readable text. Usage: qx_sqlscript SCRIPT.sql OUTPUT-DATABASE
// The file is built beside the output and renamed over it, so a failed run never leaves a
// half-written database where the program would open it.

#include <sqlite3.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

namespace {

bool RunScript(const std::string& strScript, const std::filesystem::path& target) {
    sqlite3* pDb = nullptr;
    if (sqlite3_open(target.c_str(), &pDb) != SQLITE_OK) {
        std::cerr << "qx_sqlscript: cannot create " << target << ": " << sqlite3_errmsg(pDb) << '\n';
        sqlite3_close(pDb);
        return false;
    }
    char* pszError = nullptr;
    const bool bOk = sqlite3_exec(pDb, strScript.c_str(), nullptr, nullptr, &pszError) == SQLITE_OK;
    if (!bOk) std::cerr << "qx_sqlscript: " << (pszError ? pszError : "error") << '\n';
    sqlite3_free(pszError);
    return sqlite3_close(pDb) == SQLITE_OK && bOk;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: qx_sqlscript SCRIPT.sql OUTPUT-DATABASE\n";
        return 2;
    }
    std::ifstream scriptFile(argv[1], std::ios::binary);
    if (!scriptFile) {
        std::cerr << "qx_sqlscript: cannot read " << argv[1] << '\n';
        return 1;
    }
    std::ostringstream script;
    script << scriptFile.rdbuf();

    const std::filesystem::path output(argv[2]);
    std::filesystem::path building = output;
    building += ".building";
    std::error_code error;
    std::filesystem::create_directories(output.parent_path(), error);
    std::filesystem::remove(building, error);
    if (!RunScript(script.str(), building)) {
        std::filesystem::remove(building, error);
        return 1;
    }
    std::filesystem::rename(building, output, error);
    if (error) {
        std::cerr << "qx_sqlscript: cannot write " << output << ": " << error.message() << '\n';
        return 1;
    }
    return 0;
}
