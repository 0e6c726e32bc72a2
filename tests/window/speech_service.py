#!/usr/bin/env python3
# Calcora: keyboard-driven mathematics for secondary-school pupils.
# SPDX-License-Identifier: GPL-3.0-or-later
# A stand-in for speech-dispatcher: listens on a unix socket, answers enough
# of its protocol (SSIP) for the client library, and writes what it is asked
# to one line each in the log: "LANGUAGE pl", "CANCEL", "SPEAK <text>" (the
# text's lines joined by " | "). As "hang" it takes the connection and what
# it is sent but never answers; as "garbage" it answers every command with
# bytes that are no reply of the protocol.
# Usage: speech_service.py <socket> <log> [hang|garbage]
import os
import socket
import sys

path, log_path = sys.argv[1], sys.argv[2]
mode = sys.argv[3] if len(sys.argv) > 3 else "answer"
log = open(log_path, "a", buffering=1)


def serve_badly(connection):
    for raw in connection.makefile("rb"):
        log.write("ASKED %r\n" % raw)
        if mode == "garbage":
            connection.sendall(b"\xff\xfe\x00\x1b[2J not SSIP\r\n")


def serve(connection):
    if mode != "answer":
        return serve_badly(connection)
    lines = connection.makefile("rb")
    reply = lambda text: connection.sendall(text.encode() + b"\r\n")
    spoken = 0
    for raw in lines:
        command = raw.decode("utf-8").rstrip("\r\n")
        words = command.split()
        if not words:
            continue
        verb = words[0].upper()
        if verb == "SPEAK":
            reply("230 OK RECEIVING DATA")
            text = []
            for data in lines:
                data = data.decode("utf-8").rstrip("\r\n")
                if data == ".":
                    break
                text.append(data[1:] if data.startswith("..") else data)
            spoken += 1
            log.write("SPEAK " + " | ".join(text) + "\n")
            reply("225-%d" % spoken)
            reply("225 OK MESSAGE QUEUED")
        elif verb == "CANCEL":
            log.write("CANCEL\n")
            reply("210 OK CANCELED")
        elif verb == "QUIT":
            reply("231 HAPPY HACKING")
            return
        else:
            if verb == "SET" and len(words) > 3 and words[2].upper() == "LANGUAGE":
                log.write("LANGUAGE " + words[3] + "\n")
            reply("200 OK")


if os.path.exists(path):
    os.unlink(path)
server = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
server.bind(path)
server.listen(1)
while True:
    connection, _ = server.accept()
    with connection:
        try:
            serve(connection)
        except (ConnectionError, UnicodeDecodeError) as error:
            log.write("BROKEN %s\n" % error)
