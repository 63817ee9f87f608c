#pragma once

#include "account/client.h"

#include <QString>
#include <QtTest>

#include <memory>
#include <optional>

class ReferenceServer;

// A cloud client signed in to the reference server as `email` through its
// login page, tokens in memory, its data service pointed at the server.
std::unique_ptr<KestAccount::Client> signedInClient(const ReferenceServer& server, const QString& email);

// Starts a request whose callback takes one value, and waits for that value.
template<typename Value, typename Request>
std::optional<Value> answerOf(Request request)
{
    std::optional<Value> answer;
    request([&answer](const Value& value) { answer = value; });
    return QTest::qWaitFor([&answer] { return answer.has_value(); }, 10000) ? answer : std::nullopt;
}

// The same for callbacks that take an ok flag and a value.
template<typename Value, typename Request>
std::optional<std::pair<bool, Value>> answerWithFlagOf(Request request)
{
    std::optional<std::pair<bool, Value>> answer;
    request([&answer](bool ok, const Value& value) { answer = std::make_pair(ok, value); });
    return QTest::qWaitFor([&answer] { return answer.has_value(); }, 10000) ? answer : std::nullopt;
}
