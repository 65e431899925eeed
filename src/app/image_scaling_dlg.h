#pragma once

#include <filesystem>
#include <memory>

#include "model/geometry.h"

class CCommand;
class IModalDialogs;

// The scaling dialog: the new size of the selection, or of the canvas
// without one, optionally keeping the source's aspect ratio. The two options
// are kept between runs in a settings file ("SaveRatio", "Interpolating").
class CImageScalingDlg {
public:
    static constexpr int kMinSize = 1;
    static constexpr int kMaxSize = 1024;

    CImageScalingDlg(std::filesystem::path profilePath, CSize sourceSize);

    // Loads the options, shows the form and, on OK, keeps the options.
    bool DoModal(IModalDialogs& dialogs);

    CSize GetSourceSize() const { return m_sourceSize; }
    CSize GetNewSize() const { return m_newSize; }
    // Each keeps its field within kMinSize..kMaxSize; with keep-aspect set
    // the other field follows.
    void SetNewWidth(int width);
    void SetNewHeight(int height);
    bool IsKeepingAspect() const { return m_keepAspect; }
    // Setting it brings the height in line with the width.
    void SetKeepAspect(bool keep);
    bool IsInterpolating() const { return m_interpolate; }
    void SetInterpolate(bool interpolate) { m_interpolate = interpolate; }

    // The command that OK makes; none when the size stays what it is.
    std::unique_ptr<CCommand> CreateCommand() const;

private:
    void Exchange(bool saving);

    std::filesystem::path m_profilePath;
    CSize m_sourceSize;
    float m_ratio;  // source width / height
    CSize m_newSize;
    bool m_keepAspect = false;
    bool m_interpolate = false;
};
