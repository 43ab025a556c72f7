// The effective value of an option for the signed-in user, as every list request and every page
// right check asks it: 1,000 look-ups over the option list and the user's group and own values.
// x_linear is our time over the time of walking the rows for each look-up, in the same run.
// Sizes: options = group values, user values; the look-up cost should not grow with them.
#include "client/controller/security/securityoption.h"
#include "client/controller/security/usergroupsecurityoption.h"
#include "client/controller/security/usersecurityoption.h"
#include "client/controller/usersession.h"
#include "client/net/apinetwork.h"
#include "common/core/singleton/spsingleton.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>

using namespace Client::Controller;

namespace {

constexpr int lookups = 1000;

struct Rights
{
    SecurityOption options;
    UserGroupSecurityOption groupValues;
    UserSecurityOption userValues;
    QStringList codes;

    Rights(int optionCount, int userCount)
    {
        SpSingleton<UserSession>::instance()->handleMessage(
            QStringLiteral("saOpen"), {{"RES", "10"}, {"rst_id_group", "2"}, {"rst_id_owner", "5"}});
        options.originalModel()->clear();
        for (int i = 0; i < optionCount; ++i) {
            const QString code = QStringLiteral("controller%1.crud.%2").arg(i / 8).arg(i % 8);
            codes << code;
            const QString id = QString::number(1000 + i);
            options.originalModel()->addRow({{"id", id}, {"code", code}});
            groupValues.originalModel()->addRow(
                {{"id", QString::number(i + 2)}, {"rst_id_group", "2"}, {"rst_id_so", id}, {"option_value", "1"}});
            if (i < userCount)
                userValues.originalModel()->addRow({{"id", QString::number(i + 2)}, {"rst_id_owner", "5"},
                                                    {"rst_id_so", QString::number(1000 + i * 9 % optionCount)},
                                                    {"option_value", "0"}, {"is_using", QString::number(i % 2)}});
        }
    }

    // The rule read row by row, for every look-up.
    QString linear(const QString &code) const
    {
        const OriginalModel *list = options.originalModel();
        QString option;
        for (int r = 0; r < list->rowCount() && option.isEmpty(); ++r) {
            if (list->rowValues(r).value("code").toString() == code)
                option = list->rowValues(r).value("id").toString();
        }
        if (option.isEmpty())
            return QString();
        const OriginalModel *users = userValues.originalModel();
        for (int r = 0; r < users->rowCount(); ++r) {
            const QVariantMap &row = users->rowValues(r);
            if (row.value("rst_id_owner").toString() == "5" && row.value("rst_id_so").toString() == option) {
                if (row.value("is_using").toString() == "1")
                    return row.value("option_value").toString();
                break;
            }
        }
        const OriginalModel *groups = groupValues.originalModel();
        for (int r = 0; r < groups->rowCount(); ++r) {
            const QVariantMap &row = groups->rowValues(r);
            if (row.value("rst_id_group").toString() == "2" && row.value("rst_id_so").toString() == option)
                return row.value("option_value").toString();
        }
        return QString();
    }
};

void lookup(benchmark::State &state)
{
    Rights rights(int(state.range(0)), int(state.range(1)));
    int granted = 0;
    double ours = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < lookups; ++i) {
            granted += SecurityOption::effectiveValue4CurrentUser(rights.codes.at(i * 7 % rights.codes.size()),
                                                                  rights.groupValues.originalModel(),
                                                                  rights.userValues.originalModel())
                == QLatin1String("1");
        }
        ours += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    const auto start = std::chrono::steady_clock::now();
    int linearGranted = 0;
    for (int i = 0; i < lookups; ++i)
        linearGranted += rights.linear(rights.codes.at(i * 7 % rights.codes.size())) == QLatin1String("1");
    const double linear = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (granted != linearGranted * int(state.iterations()))
        state.SkipWithError("the two rules disagree");
    state.SetItemsProcessed(state.iterations() * lookups);
    state.counters["x_linear"] = ours / double(state.iterations()) / linear;
}

// The first look-up after the user's values change rebuilds the index once.
void lookupAfterChange(benchmark::State &state)
{
    Rights rights(int(state.range(0)), int(state.range(1)));
    int turn = 0;
    for (auto _ : state) {
        rights.userValues.originalModel()->updateValue(0, QStringLiteral("option_value"),
                                                       QString::number(++turn % 2));
        benchmark::DoNotOptimize(SecurityOption::effectiveValue4CurrentUser(
            rights.codes.first(), rights.groupValues.originalModel(), rights.userValues.originalModel()));
    }
    state.SetItemsProcessed(state.iterations());
}

} // namespace

BENCHMARK(lookup)->Args({952, 100})->Args({9520, 1000})->Unit(benchmark::kMicrosecond);
BENCHMARK(lookupAfterChange)->Args({952, 100})->Args({9520, 1000})->Unit(benchmark::kMicrosecond);

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    Client::ApiNetwork network;
    Common::AbstractController::setNetwork(&network);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    Common::AbstractController::setNetwork(nullptr);
    return 0;
}
