#pragma once

class QAbstractItemModel;
class QAbstractItemModelTester;

// Puts model under Qt's item model tester for as long as the model lives: every signal it sends
// and every answer it gives is checked against the rules views rely on, and a breach fails the
// running test function.
QAbstractItemModelTester *watchModel(QAbstractItemModel *model);
