// Temporary: empty handlers so the program links while they are being written.
// Each one is removed here when its real definition lands.
#include "game/sol_view.h"

void CSolView::OnLButtonDown(unsigned, int, int) {}
void CSolView::OnLButtonUp(unsigned, int, int) {}
void CSolView::OnMouseMove(unsigned, int, int) {}
void CSolView::OnRButtonDown(unsigned, int, int) {}
void CSolView::OnRButtonUp(unsigned, int, int) {}
void CSolView::OnLButtonDblClk(unsigned, int, int) {}
void CSolView::OnRButtonDblClk(unsigned, int, int) {}
