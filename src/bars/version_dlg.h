#pragma once

#include <string>
#include <vector>

class CIcon;
class IModalDialogs;

// The version dialog: the program's name and version (from the build) and
// the libraries it runs on with their versions.
class CVersionDlg {
public:
    struct SLibrary {
        std::string name;
        std::string version;
    };

    // Knows the program and the libraries of the core (zlib, libpng).
    explicit CVersionDlg(const CIcon* applicationIcon);

    bool DoModal(IModalDialogs& dialogs);

    const CIcon* GetApplicationIcon() const { return m_applicationIcon; }
    const std::string& GetVersion() const { return m_version; }
    const std::vector<SLibrary>& GetLibraries() const { return m_libraries; }
    // The window system adds itself.
    void AddLibrary(std::string name, std::string version);

private:
    const CIcon* m_applicationIcon;
    std::string m_version;
    std::vector<SLibrary> m_libraries;
};
