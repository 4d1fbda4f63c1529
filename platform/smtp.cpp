#include "platform/smtp.h"

#include <cstring>
#include <memory>

#include <QStringList>

#include <curl/curl.h>

namespace {

struct Upload
{
    const QByteArray* data = nullptr;
    qsizetype offset = 0;
};

size_t readMessage(char* buffer, size_t size, size_t count, void* user)
{
    auto* upload = static_cast<Upload*>(user);
    const qsizetype left = upload->data->size() - upload->offset;
    const qsizetype n = qMin<qsizetype>(left, qsizetype(size * count));
    std::memcpy(buffer, upload->data->constData() + upload->offset, size_t(n));
    upload->offset += n;
    return size_t(n);
}

// The server's replies: the one in progress and the last refusal (a 4xx or 5xx reply), which
// the QUIT after a failure must not hide.
struct Dialogue
{
    QStringList reply;
    QStringList refusal;
    bool replyDone = true;
};

int watchDialogue(CURL*, curl_infotype type, char* data, size_t size, void* user)
{
    auto* dialogue = static_cast<Dialogue*>(user);
    if (type == CURLINFO_HEADER_OUT) {
        dialogue->replyDone = true;
    } else if (type == CURLINFO_HEADER_IN) {
        if (dialogue->replyDone) {
            dialogue->reply.clear();
            dialogue->replyDone = false;
        }
        dialogue->reply << QString::fromUtf8(data, qsizetype(size)).trimmed();
        const QString first = dialogue->reply.first().left(1);
        if (first == QLatin1String("4") || first == QLatin1String("5"))
            dialogue->refusal = dialogue->reply;
    }
    return 0;
}

QByteArray serverUrl(const QString& server)
{
    const QString s = server.trimmed();
    return (s.contains(QStringLiteral("://")) ? s : QStringLiteral("smtp://") + s).toUtf8();
}

struct CurlDeleter
{
    void operator()(CURL* curl) const { curl_easy_cleanup(curl); }
};
struct ListDeleter
{
    void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};

} // namespace

SmtpResult SmtpSend(const SmtpAccount& account, const QString& fromAddress, const QString& toAddress,
                    const QByteArray& message, const SmtpLimits& limits)
{
    static const bool initialised = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
    SmtpResult result;
    const std::unique_ptr<CURL, CurlDeleter> curl(initialised ? curl_easy_init() : nullptr);
    if (!curl) {
        result.replyText = QStringLiteral("libcurl could not be started");
        return result;
    }
    const QByteArray url = serverUrl(account.server);
    const QByteArray user = account.userName.toUtf8();
    const QByteArray password = account.password.toUtf8();
    const QByteArray from = "<" + fromAddress.toUtf8() + ">";
    const std::unique_ptr<curl_slist, ListDeleter> recipients(
        curl_slist_append(nullptr, ("<" + toAddress.toUtf8() + ">").constData()));
    Upload upload{&message, 0};
    Dialogue dialogue;
    char errorBuffer[CURL_ERROR_SIZE] = {};

    CURL* c = curl.get();
    curl_easy_setopt(c, CURLOPT_URL, url.constData());
    if (!user.isEmpty()) {
        curl_easy_setopt(c, CURLOPT_USERNAME, user.constData());
        curl_easy_setopt(c, CURLOPT_PASSWORD, password.constData());
    }
    curl_easy_setopt(c, CURLOPT_USE_SSL, long(CURLUSESSL_TRY));
    curl_easy_setopt(c, CURLOPT_MAIL_FROM, from.constData());
    curl_easy_setopt(c, CURLOPT_MAIL_RCPT, recipients.get());
    curl_easy_setopt(c, CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(c, CURLOPT_READFUNCTION, readMessage);
    curl_easy_setopt(c, CURLOPT_READDATA, &upload);
    curl_easy_setopt(c, CURLOPT_INFILESIZE_LARGE, curl_off_t(message.size()));
    curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT, long(limits.connectSeconds));
    curl_easy_setopt(c, CURLOPT_SERVER_RESPONSE_TIMEOUT, long(limits.replySeconds));
    curl_easy_setopt(c, CURLOPT_TIMEOUT, long(limits.totalSeconds));
    curl_easy_setopt(c, CURLOPT_ERRORBUFFER, errorBuffer);
    curl_easy_setopt(c, CURLOPT_DEBUGFUNCTION, watchDialogue);
    curl_easy_setopt(c, CURLOPT_DEBUGDATA, &dialogue);
    curl_easy_setopt(c, CURLOPT_VERBOSE, 1L);

    const CURLcode code = curl_easy_perform(c);
    long replyCode = 0;
    curl_easy_getinfo(c, CURLINFO_RESPONSE_CODE, &replyCode);
    result.sent = code == CURLE_OK;
    result.replyCode = int(replyCode);
    if (!result.sent) {
        // The server's own words when it refused; the transport's when it never answered so.
        if (replyCode >= 400 && !dialogue.refusal.isEmpty())
            result.replyText = dialogue.refusal.join(QStringLiteral("\r\n"));
        else
            result.replyText = QString::fromUtf8(errorBuffer[0] ? errorBuffer : curl_easy_strerror(code));
    }
    return result;
}
