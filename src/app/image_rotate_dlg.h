#pragma once

#include <filesystem>
#include <memory>
#include <string>

class CCommand;
class IModalDialogs;

// The rotation dialog: an angle in degrees as text and the direction, which
// is kept between runs in a settings file ("Dir": 0 left, 1 right).
class CImageRotateDlg {
public:
    enum EDirection { kLeft = 0, kRight = 1 };

    explicit CImageRotateDlg(std::filesystem::path profilePath);

    // Loads the direction, shows the form and, on OK, keeps the direction.
    bool DoModal(IModalDialogs& dialogs);

    const std::string& GetAngleText() const { return m_angleText; }
    void SetAngleText(std::string text) { m_angleText = std::move(text); }
    EDirection GetDirection() const { return m_direction; }
    void SetDirection(EDirection direction) { m_direction = direction; }

    // The angle counter-clockwise: the text's leading decimal number (what
    // follows is ignored; no number, or none the program can turn by, gives
    // 0), negated to the right.
    float GetAngle() const;
    // The command that OK makes; none for an angle of 0.
    std::unique_ptr<CCommand> CreateCommand() const;

private:
    void Exchange(bool saving);

    std::filesystem::path m_profilePath;
    std::string m_angleText = "0.000";
    EDirection m_direction = kLeft;
};
