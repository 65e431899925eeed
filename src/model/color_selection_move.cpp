#include "model/color_selection_move.h"

#include <numeric>
#include <vector>

#include "model/stipplebox_color_selection.h"
#include "model/stipplebox_palette.h"

CColorSelectionMove::CColorSelectionMove() = default;
CColorSelectionMove::~CColorSelectionMove() = default;

int CColorSelectionMove::Wrap(int index) const
{
    const int n = GetCurrentPalette()->GetCount();
    return ((index % n) + n) % n;
}

void CColorSelectionMove::Begin()
{
    const CStippleboxPalette& palette = *GetCurrentPalette();
    m_savedPalette = std::make_unique<CStippleboxPalette>();
    m_savedPalette->CreateLike(palette, -1, false);
    m_savedPalette->CopyAll(palette);
    m_savedMask.fill(0);
    const CStippleboxColorSelection& selection = *GetCurrentColorSelection();
    if (selection.HasMask()) {
        std::copy(selection.GetMask().begin(), selection.GetMask().end(), m_savedMask.begin());
    }
}

void CColorSelectionMove::Lift()
{
    CStippleboxColorSelection& selection = *GetCurrentColorSelection();
    if (selection.HasMask()) {
        selection.GetPalette()->GatherMarked(*GetCurrentPalette(), selection.GetMask().data());
    }
}

void CColorSelectionMove::PreviewMove(int offset)
{
    CStippleboxPalette& palette = *GetCurrentPalette();
    CStippleboxColorSelection& selection = *GetCurrentColorSelection();
    if (!selection.HasMask()) {
        return;
    }
    std::vector<uint8_t>& mask = selection.GetMask();
    palette.ScatterMarked(*selection.GetPalette(), mask.data());
    const int n = GetCurrentPalette()->GetCount();
    for (int i = 0; i < n; ++i) {
        mask[i] = m_savedMask[Wrap(i - offset)];
    }
    Lift();
    for (int i = 0; i < n; ++i) {
        if (mask[i] != 0) {
            palette.CopyEntry(i, *m_savedPalette, Wrap(i - offset));
        }
    }
}

void CColorSelectionMove::PreviewInsert(int offset)
{
    PreviewMap(offset, InsertMap(offset));
}

void CColorSelectionMove::PreviewSwap(int offset)
{
    PreviewMap(offset, SwapMap(offset));
}

void CColorSelectionMove::PreviewMap(int offset, const CIndexMap& map)
{
    CStippleboxPalette& palette = *GetCurrentPalette();
    CStippleboxColorSelection& selection = *GetCurrentColorSelection();
    if (!selection.HasMask()) {
        return;
    }
    std::vector<uint8_t>& mask = selection.GetMask();
    palette.CopyAll(*m_savedPalette);
    std::copy(m_savedMask.begin(), m_savedMask.end(), mask.begin());
    if (offset == 0) {
        return;
    }
    for (int i = 0; i < int(map.size()); ++i) {
        const int target = map[i];
        if (target != i) {
            mask[target] = m_savedMask[i];
            palette.CopyEntry(target, *m_savedPalette, i);
        }
    }
}

CColorSelectionMove::CIndexMap CColorSelectionMove::SwapMap(int offset) const
{
    CIndexMap map;
    std::iota(map.begin(), map.end(), 0);
    const int n = GetCurrentPalette()->GetCount();
    std::vector<int> occupied;
    std::vector<int> vacated;
    for (int i = 0; i < n; ++i) {
        const bool selectedBefore = m_savedMask[i] != 0;
        const bool selectedAfter = m_savedMask[Wrap(i - offset)] != 0;
        if (selectedBefore) {
            map[i] = static_cast<uint8_t>(Wrap(i + offset));
        }
        if (selectedAfter && !selectedBefore) {
            occupied.push_back(i);
        } else if (selectedBefore && !selectedAfter) {
            vacated.push_back(i);
        }
    }
    // A shift of the mask occupies exactly as many positions as it vacates.
    for (size_t p = 0; p < occupied.size(); ++p) {
        map[occupied[p]] = static_cast<uint8_t>(vacated[p]);
    }
    return map;
}

CColorSelectionMove::CIndexMap CColorSelectionMove::InsertMap(int offset) const
{
    CIndexMap map;
    std::array<bool, 256> taken{};
    const int n = GetCurrentPalette()->GetCount();
    for (int i = 0; i < n; ++i) {
        if (m_savedMask[i] != 0) {
            map[i] = static_cast<uint8_t>(Wrap(i + offset));
            taken[map[i]] = true;
        }
    }
    int position = 0;
    for (int i = 0; i < int(map.size()); ++i) {
        if (i < n && m_savedMask[i] != 0) {
            continue;
        }
        while (taken[position]) {
            ++position;
        }
        map[i] = static_cast<uint8_t>(position++);
    }
    return map;
}

void CColorSelectionMove::Clear()
{
    m_savedPalette.reset();
    m_savedMask.fill(0);
}
