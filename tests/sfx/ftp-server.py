#!/usr/bin/python3
# A local FTP server for the upload test: ftp-server.py <root> <user> <password>.
# Listens on 127.0.0.1 on a free port, prints the port, serves until killed.
import sys
from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler
from pyftpdlib.servers import FTPServer
import logging

logging.disable(logging.CRITICAL)
root, user, password = sys.argv[1:4]
authorizer = DummyAuthorizer()
authorizer.add_user(user, password, root, perm="elradfmwMT")
handler = FTPHandler
handler.authorizer = authorizer
handler.passive_ports = None
server = FTPServer(("127.0.0.1", 0), handler)
print(server.address[1], flush=True)
server.serve_forever()
