#include "LoopbackHttpServer.h"

#include <winsock2.h>
#include <ws2tcpip.h>

#include <cctype>
#include <cstdlib>

namespace {

std::string Lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

bool ReadRequest(SOCKET s, HttpRequest& req) {
  std::string data;
  char buf[4096];
  size_t headerEnd;
  while ((headerEnd = data.find("\r\n\r\n")) == std::string::npos) {
    const int n = recv(s, buf, sizeof buf, 0);
    if (n <= 0) return false;
    data.append(buf, static_cast<size_t>(n));
  }
  size_t lineEnd = data.find("\r\n");
  const std::string first = data.substr(0, lineEnd);
  const size_t sp1 = first.find(' '), sp2 = first.rfind(' ');
  if (sp1 == std::string::npos || sp2 <= sp1) return false;
  req.method = first.substr(0, sp1);
  req.target = first.substr(sp1 + 1, sp2 - sp1 - 1);
  size_t pos = lineEnd + 2;
  while (pos < headerEnd) {
    const size_t end = data.find("\r\n", pos);
    const std::string line = data.substr(pos, end - pos);
    const size_t colon = line.find(':');
    if (colon != std::string::npos) {
      size_t v = colon + 1;
      while (v < line.size() && line[v] == ' ') ++v;
      req.headers[Lower(line.substr(0, colon))] = line.substr(v);
    }
    pos = end + 2;
  }
  req.body = data.substr(headerEnd + 4);
  const auto len = req.headers.find("content-length");
  const size_t want = len == req.headers.end() ? 0 : std::strtoul(len->second.c_str(), nullptr, 10);
  while (req.body.size() < want) {
    const int n = recv(s, buf, sizeof buf, 0);
    if (n <= 0) return false;
    req.body.append(buf, static_cast<size_t>(n));
  }
  return true;
}

void SendAll(SOCKET s, const std::string& data) {
  size_t sent = 0;
  while (sent < data.size()) {
    const int n = send(s, data.data() + sent, static_cast<int>(data.size() - sent), 0);
    if (n <= 0) return;
    sent += static_cast<size_t>(n);
  }
}

}  // namespace

LoopbackHttpServer::LoopbackHttpServer(Handler handler)
    : m_handler(std::move(handler)), m_listener(INVALID_SOCKET) {
  WSADATA wsa;
  WSAStartup(MAKEWORD(2, 2), &wsa);
  SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  if (s == INVALID_SOCKET) return;
  sockaddr_in addr = {};
  addr.sin_family = AF_INET;
  addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  addr.sin_port = 0;  // any free port
  int len = sizeof addr;
  if (bind(s, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0 || listen(s, 16) != 0 ||
      getsockname(s, reinterpret_cast<sockaddr*>(&addr), &len) != 0) {
    closesocket(s);
    return;
  }
  m_listener = s;
  m_port = ntohs(addr.sin_port);
  m_thread = std::thread(&LoopbackHttpServer::Serve, this);
}

LoopbackHttpServer::~LoopbackHttpServer() {
  m_stopping = true;
  if (m_listener != INVALID_SOCKET) closesocket(static_cast<SOCKET>(m_listener));
  if (m_thread.joinable()) m_thread.join();
  WSACleanup();
}

std::string LoopbackHttpServer::Url(const std::string& path) const {
  return "http://127.0.0.1:" + std::to_string(m_port) + path;
}

std::vector<HttpRequest> LoopbackHttpServer::requests() const {
  std::lock_guard<std::mutex> hold(m_lock);
  return m_requests;
}

void LoopbackHttpServer::Serve() {
  while (!m_stopping) {
    SOCKET client = accept(static_cast<SOCKET>(m_listener), nullptr, nullptr);
    if (client == INVALID_SOCKET) break;  // the listener was closed
    Answer(client);
    closesocket(client);
  }
}

void LoopbackHttpServer::Answer(uintptr_t client) {
  const SOCKET s = static_cast<SOCKET>(client);
  HttpRequest req;
  if (!ReadRequest(s, req)) return;
  {
    std::lock_guard<std::mutex> hold(m_lock);
    m_requests.push_back(req);
  }
  const HttpResponse resp = m_handler(req);
  std::string out = "HTTP/1.1 " + std::to_string(resp.status) + " X\r\nContent-Type: " +
                    resp.contentType + "\r\nContent-Length: " + std::to_string(resp.body.size()) +
                    "\r\nConnection: close\r\n\r\n" + resp.body;
  SendAll(s, out);
  shutdown(s, SD_SEND);
}
