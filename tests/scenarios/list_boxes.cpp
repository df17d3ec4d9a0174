// list_boxes.cpp - a screen-test scenario for the list and form boxes,
// named by the first argument, over N rows "tagI" / "item I" (the third is
// "bad" with a control character and a bad byte in its item):
//   menu N        the menu, row 2 current; reports "answer" and "choice"
//   check N       the check list, rows 1 and 3 marked; "answer" and "marked"
//   radio N       the radio list, row 1 marked; "answer" and "choice"
//   help N        the menu with a help text per row on the screen's last row
//   form N        Name, a hidden Password and a read-only Id under a question
//                 and N lines more; "answer", "texts"
//   tall N        N fields "Field I" holding "I", more than the screen shows; "texts"
#include "CurInit.h"
#include "CurTDialog.h"
#include "ScenarioResult.h"

#include <cstdlib>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    std::string name = argc > 1 ? argv[1] : "";
    int n = argc > 2 ? atoi(argv[2]) : 0;
    std::vector<std::string> tags, items, helps;
    for (int i = 0; i < n; i++) {
        tags.push_back("tag" + std::to_string(i));
        items.push_back(i == 3 ? "bad\x01\xff" : "item " + std::to_string(i));
        helps.push_back("help for " + std::to_string(i));
    }
    std::vector<const char*> t, it, h;
    for (int i = 0; i < n; i++) {
        t.push_back(tags[i].c_str());
        it.push_back(items[i].c_str());
        h.push_back(helps[i].c_str());
    }
    CurInit::initialize();
    if (name == "menu") {
        int choice = 2;
        scenarioResult("answer", CurTDialog::showMenu(-1, -1, 0, 0, "Pick one", "Menu", t.data(),
                                                      it.data(), n, &choice));
        scenarioResult("choice", choice);
    } else if (name == "check") {
        std::vector<std::string> marked = {"tag1", "tag3"};
        scenarioResult("answer", CurTDialog::showCheckList(-1, -1, 8, 0, "Pick some", "Check",
                                                           tags, items, marked));
        std::string all;
        for (const std::string& m : marked)
            all += m + " ";
        scenarioResult("marked", all.c_str());
    } else if (name == "radio") {
        int choice = 1;
        scenarioResult("answer", CurTDialog::showRadioList(-1, -1, 8, 0, "Pick one", nullptr,
                                                           t.data(), it.data(), n, &choice));
        scenarioResult("choice", choice);
    } else if (name == "help") {
        CurTDialog::ListSetup setup;
        setup.tags = t.data();
        setup.helps = h.data();
        setup.count = n;
        scenarioResult("answer", CurTDialog::showList(-1, -1, 5, 0, "Pick", nullptr,
                                                      CurTDialog::MENU, &setup));
        scenarioResult("choice", setup.current);
    } else if (name == "form") {
        char name[16] = "Bob", password[16] = "", id[16] = "42";
        CurTDialog::FormField fields[3];
        fields[0].label = "Name";
        fields[0].buffer = name;
        fields[0].size = sizeof name;
        fields[1].label = "Password";
        fields[1].buffer = password;
        fields[1].size = sizeof password;
        fields[1].hidden = true;
        fields[2].label = "Id";
        fields[2].buffer = id;
        fields[2].size = sizeof id;
        fields[2].readOnly = true;
        fields[2].width = 6;
        std::string text = "Who are you?";
        for (int i = 0; i < n; i++)
            text += "\nline " + std::to_string(i);
        scenarioResult("answer", CurTDialog::showForm(-1, -1, 0, 0, text.c_str(), "Form",
                                                      fields, 3));
        scenarioResult("texts", (std::string(name) + "," + password + "," + id).c_str());
    }
    if (name == "tall") {
        std::vector<std::string> labels, texts;
        for (int i = 0; i < n; i++) {
            labels.push_back("Field " + std::to_string(i));
            texts.push_back(std::to_string(i));
        }
        scenarioResult("answer", CurTDialog::showForm(-1, -1, 0, "Many", "", labels, texts));
        std::string all;
        for (const std::string& t : texts)
            all += t + ",";
        scenarioResult("texts", all.c_str());
    }
    CurInit::cleanup();
    return 0;
}
