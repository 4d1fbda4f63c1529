#pragma once

#include <QtGlobal>

// Lets the user pick one of the logged-in user's own clients (PickClient true) or companies
// (false) in the modal picker QuickSelCompanyForm. Returns the chosen clientid or companyid, or 0
// when the user closed the picker without choosing; callers then keep their previous choice.
qint32 QuickSelect(bool PickClient);
