// A second process for the store tests:
//   store_probe open DIR TABLE shared|exclusive   exit 0 opened, 1 refused (message names the table)
//   store_probe write DIR TABLE                   appends records for ever, printing each number once posted
#include "store/storeerror.h"
#include "store/table.h"

#include <cstdio>
#include <cstring>
#include <string>

using namespace holvane::store;

int main(int argc, char **argv)
{
    if (argc != 5 && argc != 4)
        return 2;
    Table t;
    try {
        t.setPath(argv[2], argv[3]);
        t.setExclusive(argc == 5 && std::strcmp(argv[4], "exclusive") == 0);
        t.open();
    } catch (const StoreError &e) {
        return std::string(e.what()).find(argv[3]) != std::string::npos ? 1 : 3;
    }
    if (std::strcmp(argv[1], "open") == 0)
        return 0;
    // Each record carries its number three ways, so a torn record would show.
    for (int i = 0;; ++i) {
        t.append();
        t.setValue("N", i);
        t.setText("Text", "记录" + std::to_string(i) + std::string(static_cast<size_t>(i % 300), 'x'));
        t.setValue("Half", i / 2.0);
        t.post();
        if (i % 3 == 0) {
            t.first();
            t.edit();
            t.setValue("Half", static_cast<double>(t.value("N").integer()) / 2.0);
            t.post();
        }
        std::printf("%d\n", i);
        std::fflush(stdout);
    }
}
