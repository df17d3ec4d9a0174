#ifndef VELMORA_TESTS_LAYOUTTREE_H
#define VELMORA_TESTS_LAYOUTTREE_H
// A random tree of layouts, buttons and labels in one window, built from a
// stream of bytes (a seeded generator in the property test, the input in the
// fuzz target), and the invariants every placement must keep: shown gadgets
// inside the window's interior, no two overlapping, the ones not shown
// given no cells, and every shown button reachable by Tab and by arrows.
// check returns the first broken invariant, or null.
#include "CurButton.h"
#include "CurFocuser.h"
#include "CurLabel.h"
#include "CurLayout.h"
#include "CurWindow.h"

#include <curses.h>

#include <climits>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

struct LayoutTree {
    std::function<int()> next;           // a byte, 0..255
    std::unique_ptr<CurWindow> window;
    CurFocuser focuser;
    std::vector<std::unique_ptr<CurLayout>> layouts;
    std::vector<std::unique_ptr<CurGadget>> gadgets;

    explicit LayoutTree(std::function<int()> bytes) : next(std::move(bytes))
    {
        window.reset(new CurWindow(10, 20, 0, 0));
        if (next() % 2)
            window->enableFrame(true);
        layouts.emplace_back(layout());
        grow(layouts[0].get(), 0);
        layouts[0]->setFocuser(&focuser);
        layouts[0]->setWindow(window.get());
    }
    CurLayout* layout()
    {
        auto* l = new CurLayout((CurLayout::KIND)(next() % 3), 1 + next() % 4);
        if (next() % 4 == 0)
            l->setMargins(next() % 3, next() % 3, next() % 3, next() % 3);
        l->setSpacing(next() % 3);
        return l;
    }
    CurLayout::Rule rule()
    {
        static const int weights[] = {0, -3, 1, 2, 1000000000};
        CurLayout::Rule r;
        r.size = next() % 3 == 0 ? CurLayout::NATURAL : next() % 12 - 2;
        r.minimum = next() % 8 - 1;
        r.maximum = next() % 3 == 0 ? next() % 20 : INT_MAX;
        r.weight = weights[next() % 5];
        r.align = (CurLayout::ALIGN)(next() % 4);
        return r;
    }
    void grow(CurLayout* into, int depth)
    {
        int count = next() % 6;
        for (int i = 0; i < count; i++) {
            int what = next() % 8;
            if (what == 0 && depth < 4) {
                layouts.emplace_back(layout());
                into->add(layouts.back().get(), rule());
                grow(layouts.back().get(), depth + 1);
                continue;
            }
            std::string text(next() % 12, 'a' + i);
            if (what == 1) {
                auto* l = new CurLabel(window.get(), false);
                l->setText(text.c_str(), false);
                gadgets.emplace_back(l);
            } else {
                auto* b = new CurButton(window.get());
                b->setText(text.c_str(), false);
                gadgets.emplace_back(b);
            }
            into->add(gadgets.back().get(), rule());
        }
    }

    // The focus after one arrow key typed into the form's own loop.
    int arrow(int from, int key)
    {
        focuser.setFocus(from);
        focuser.setKeyCB([this](int k) {
            if (k == 'q')
                focuser.stopKbdLoop();
            return k == 'q';
        });
        ungetch('q');                    // curses returns these last-in first-out
        ungetch(key);
        focuser.enableKbdLoop();
        focuser.kbdLoop();
        return focuser.getFocus();
    }

    const char* check(int height, int width)
    {
        window->resize(height, width);
        CurInit::redrawChanged();        // the layout follows before the next key
        int f = window->isFramed() && height >= 2 && width >= 2 ? 1 : 0;
        std::vector<CurGadget*> shown;
        int buttons = 0;
        for (auto& g : gadgets) {
            int y = g->getY(), x = g->getX(), h = g->getHeight(), w = g->getWidth();
            if (h <= 0 || w <= 0)
                continue;
            if (y < f || x < f || y + h > height - f || x + w > width - f)
                return "a gadget leaves the window's interior";
            for (CurGadget* o : shown)
                if (y < o->getY() + o->getHeight() && o->getY() < y + h
                    && x < o->getX() + o->getWidth() && o->getX() < x + w)
                    return "two gadgets overlap";
            shown.push_back(g.get());
            buttons += g->takesFocus();
        }
        if (focuser.getCount() != buttons)
            return "Tab does not reach every shown button, or reaches a hidden one";
        if (buttons == 0)
            return nullptr;
        std::set<int> seen{0}, todo{0};
        while (!todo.empty()) {
            int from = *todo.begin();
            todo.erase(todo.begin());
            for (int key : {KEY_UP, KEY_DOWN, KEY_LEFT, KEY_RIGHT})
                if (seen.insert(arrow(from, key)).second)
                    todo.insert(focuser.getFocus());
        }
        return (int)seen.size() == buttons ? nullptr : "the arrows do not reach every shown button";
    }
};
#endif
