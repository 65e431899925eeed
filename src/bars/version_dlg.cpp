#include "bars/version_dlg.h"

#include <png.h>
#include <zlib.h>

#include "app/modal_dialogs.h"

CVersionDlg::CVersionDlg(const CIcon* applicationIcon)
    : m_applicationIcon(applicationIcon), m_version(STIPPLEBOX_VERSION)
{
    AddLibrary("zlib", zlibVersion());
    AddLibrary("libpng", png_get_libpng_ver(nullptr));
}

bool CVersionDlg::DoModal(IModalDialogs& dialogs)
{
    return dialogs.RunVersion(*this);
}

void CVersionDlg::AddLibrary(std::string name, std::string version)
{
    m_libraries.push_back({std::move(name), std::move(version)});
}
