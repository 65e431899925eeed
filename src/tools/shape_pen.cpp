#include "tools/shape_pen.h"

#include "tools/layer_painter.h"
#include "tools/pen_nib.h"

int CShapePenDraw::GetSize() const
{
    return m_painter->GetNib().GetSize();
}

void CShapePenDrawNormal::Plot(int x, int y)
{
    m_painter->StampNib(x, y);
}
