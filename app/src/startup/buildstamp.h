#pragma once

#include <QString>

// When this program was built, as the compiler tells it: "May  2 2023 14:05:09".
QString buildStamp();
