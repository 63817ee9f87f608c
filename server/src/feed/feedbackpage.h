#pragma once

#include "http/httpreply.h"

#include <QString>

class FeedbackRepository;
class HttpRequest;
class Router;

// "/feedback": a plain form (message, optional e-mail address) whose posts
// are stored with the "tags" the program adds to the address.
class FeedbackPage
{
public:
    static constexpr int maxMessageLength = 5000;
    static constexpr int maxPerAddressPerHour = 10;

    explicit FeedbackPage(FeedbackRepository &feedback);

    void addRoutes(Router &router);

private:
    HttpReply show(int status = 200, const QString &message = {}) const;
    HttpReply submit(const HttpRequest &request);

    FeedbackRepository &m_feedback;
};
