#!/usr/bin/python3
"""A real SMTP server on 127.0.0.1 for the mail tests (Debian's python3-aiosmtpd).

Listens on a free port, writes "READY <port>" on standard output and serves until standard input
closes. Every login attempt appends a line to <folder>/auth.log. Every message received is parsed
with the standard email package and written as <folder>/<n>.json: envelope, decoded sender name
and address (and how many addresses the From header holds), recipient, subject, body text and its charset, and each attachment's file name with
its decoded bytes saved beside it as <n>.att<k>.

--refuse-login answers every login with 535; --refuse-recipient CODE answers every recipient with
that code (550: no such mailbox, 552: mailbox full).
"""

import argparse
import email
import email.policy
import json
import logging
import os
import socket
import sys
import warnings

from aiosmtpd.controller import Controller
from aiosmtpd.smtp import AuthResult


def free_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


def address_of(address):
    return "%s@%s" % (address.username, address.domain)


class Handler:
    def __init__(self, args):
        self.args = args
        self.count = 0

    async def handle_RCPT(self, server, session, envelope, address, rcpt_options):
        if self.args.refuse_recipient == 550:
            return "550 5.1.1 <%s>: Recipient address rejected: User unknown" % address
        if self.args.refuse_recipient:
            return "%d 5.2.2 <%s>: Mailbox full" % (self.args.refuse_recipient, address)
        envelope.rcpt_tos.append(address)
        return "250 OK"

    async def handle_DATA(self, server, session, envelope):
        self.count += 1
        n = self.count
        message = email.message_from_bytes(envelope.original_content, policy=email.policy.default)
        sender = message["From"]
        body = message.get_body(preferencelist=("plain",))
        attachments = []
        for k, part in enumerate(message.iter_attachments(), start=1):
            path = os.path.join(self.args.folder, "%d.att%d" % (n, k))
            with open(path, "wb") as f:
                f.write(part.get_content())
            attachments.append({"filename": part.get_filename(), "path": path})
        summary = {
            "mail_from": envelope.mail_from,
            "rcpt_tos": envelope.rcpt_tos,
            "from_count": len(sender.addresses),
            "from_name": sender.addresses[0].display_name,
            "from_address": address_of(sender.addresses[0]),
            "to": [address_of(a) for a in message["To"].addresses],
            "subject": str(message["Subject"]),
            "body": body.get_content(),
            "charset": body.get_content_charset(),
            "attachments": attachments,
            "defects": [str(d) for d in message.defects],
        }
        with open(os.path.join(self.args.folder, "%d.json" % n), "w", encoding="utf-8") as f:
            json.dump(summary, f, ensure_ascii=False)
        return "250 Message accepted for delivery"


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--folder", required=True)
    parser.add_argument("--user", default="")
    parser.add_argument("--password", default="")
    parser.add_argument("--refuse-login", action="store_true")
    parser.add_argument("--refuse-recipient", type=int, default=0)
    args = parser.parse_args()
    # Logging in without TLS is what the tests do on purpose.
    warnings.filterwarnings("ignore")
    logging.getLogger("mail.log").setLevel(logging.CRITICAL)

    def authenticator(server, session, envelope, mechanism, auth_data):
        login = auth_data.login.decode("utf-8")
        password = auth_data.password.decode("utf-8")
        with open(os.path.join(args.folder, "auth.log"), "a", encoding="utf-8") as f:
            f.write("%s %s %s\n" % (mechanism, login, password))
        ok = not args.refuse_login and login == args.user and password == args.password
        return AuthResult(success=ok, handled=False)

    port = free_port()
    controller = Controller(Handler(args), hostname="127.0.0.1", port=port, authenticator=authenticator,
                            auth_required=bool(args.user), auth_require_tls=False)
    controller.start()
    print("READY %d" % port, flush=True)
    try:
        sys.stdin.read()
    finally:
        controller.stop()


if __name__ == "__main__":
    main()
