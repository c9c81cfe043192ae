// Until the windows exist, the program shows what it can: where it lives and where its skin is.
#include <cstdio>

#include "platform/base/Paths.h"
#include "platform/base/Strings.h"

int main() {
    std::printf("qxbrowser: program folder %s\n", qx::WideToUtf8(qx::GetProgramFolder()).c_str());
    return 0;
}
