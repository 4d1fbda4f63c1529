#include "clients/affairwindows.h"

namespace {

AffairWindows* g_installed = nullptr;

} // namespace

AffairWindows* affairWindows()
{
    return g_installed;
}

void setAffairWindows(AffairWindows* service)
{
    g_installed = service;
}
