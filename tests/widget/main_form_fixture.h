#pragma once

#include "ui/Unit1.h"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace tcm::test {

// The real main window, built from the embedded description and shown in
// the normal state with a fixed client size.
class MainFormTest : public ::testing::Test {
protected:
    void SetUp() override { open(1280, 976); }

    void open(int clientWidth, int clientHeight)
    {
        form = std::make_unique<ui::TForm1>();
        form->loadDescription();
        form->setWindowState(toolkit::WindowState::Normal);
        form->resize(clientWidth, clientHeight);
        form->show();
        QApplication::setActiveWindow(form.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }

    void click(toolkit::TSpeedButton* button, Qt::MouseButton which = Qt::LeftButton)
    {
        QTest::mouseClick(button, which, {}, button->rect().center());
    }

    // Which view controls are visible: Image1, Image2, Panel2.
    std::array<bool, 3> view() const
    {
        return {form->Image1->Visible(), form->Image2->Visible(), form->Panel2->Visible()};
    }

    std::unique_ptr<ui::TForm1> form;
};

inline constexpr std::array<bool, 3> view1{true, false, false};
inline constexpr std::array<bool, 3> view2{false, true, false};
inline constexpr std::array<bool, 3> view3{false, false, true};

}  // namespace tcm::test
