#ifndef VELMORA_TESTS_FORMTEST_H
#define VELMORA_TESTS_FORMTEST_H
// A form of buttons on the test's curses screen, driven by real key bytes
// typed into the pseudo-terminal. Every button stops the form when pressed,
// so a run ends with Enter and tells which button held the focus.
#include "CursesTest.h"

#include "CurButton.h"
#include "CurFocuser.h"
#include "CurWindow.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class FormTest : public CursesTest {
protected:
    CurFocuser form;
    std::vector<std::unique_ptr<CurWindow>> windows;
    std::vector<std::unique_ptr<CurButton>> buttons;

    void TearDown() override
    {
        buttons.clear();
        windows.clear();
        CursesTest::TearDown();
    }

    CurWindow* window(int height, int width, int y, int x)
    {
        windows.emplace_back(new CurWindow(height, width, y, x));
        return windows.back().get();
    }

    // A button of `width` columns and `height` rows at (y, x) of `w`, added
    // to the form; its text is its index.
    CurButton* button(CurWindow* w, int y, int x, int width = 8, int height = 1)
    {
        buttons.emplace_back(new CurButton(w));
        CurButton* b = buttons.back().get();
        b->setText(std::to_string(buttons.size() - 1).c_str(), false);
        b->setGeometry(height, width, y, x);
        b->setActivateCB(stop, &form);
        form.addGadget(b);
        return b;
    }

    bool armed = false;

    static void stop(void* data) { static_cast<CurFocuser*>(data)->stopKbdLoop(); }

    // Arrow keys are sent in the cursor mode the program switched on, which
    // the emulator learns from curses' output: have curses send it first,
    // once, before any key is typed (the read would take a typed key).
    void armKeypad()
    {
        if (armed)
            return;
        armed = true;
        WINDOW* w = windows.empty() ? stdscr : windows.front()->getWindow();
        keypad(w, TRUE);
        nodelay(w, TRUE);
        wgetch(w);
        nodelay(w, FALSE);
        screen();
    }

    // Types `keys`, then Enter, runs the form and returns the index of the
    // button that Enter pressed, or -1.
    int focusAfter(const std::function<void(VtScreen&)>& keys)
    {
        armKeypad();
        for (auto& b : buttons)
            b->reset();
        keys(screen());
        screen().enter();
        form.enableKbdLoop();
        form.kbdLoop();
        return activated();
    }

    int activated() const
    {
        for (size_t i = 0; i < buttons.size(); i++)
            if (buttons[i]->isActivated())
                return (int)i;
        return -1;
    }

    // A key typed but not read: curses still has it.
    int pendingKey()
    {
        nodelay(stdscr, TRUE);
        int key = wgetch(stdscr);
        nodelay(stdscr, FALSE);
        return key;
    }
};
#endif
