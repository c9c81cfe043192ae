#pragma once
// The framework's shell-dialog support. Nothing here uses shell dialogs, so it holds nothing;
// the application makes and deletes one as the framework expects.

#include "platform/framework/Object.h"

class CShellManager : public CObject {
public:
    CShellManager() = default;
};
