#include "Unit1.h"

namespace tcm::ui {

TForm1* Form1 = nullptr;

// Each handler shows its own view first and then hides the others, so the
// window never passes through a state with no view.

void TForm1::SpeedButton2Click(QObject*)
{
    Image2->Show();
    if (Panel2->Visible())
        Panel2->Hide();
    if (Image1->Visible())
        Image1->Hide();
}

void TForm1::SpeedButton1Click(QObject*)
{
    Image1->Show();
    if (Panel2->Visible())
        Panel2->Hide();
    if (Image2->Visible())
        Image2->Hide();
}

void TForm1::SpeedButton3Click(QObject*)
{
    if (!Panel2->Visible())
        Panel2->SetVisible(true);
    if (Image2->Visible())
        Image2->Hide();
    if (Image1->Visible())
        Image1->Hide();
}

}  // namespace tcm::ui
