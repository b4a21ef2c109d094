// A small HTTP/1.1 server on 127.0.0.1 for tests: it accepts connections on a thread of its own,
// reads each request whole (headers and a Content-Length body) and answers with whatever the
// test's handler returns. It stands in for the web service and the download hosts.
#pragma once

#include <atomic>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

struct HttpRequest {
  std::string method;
  std::string target;  // path and query, as sent
  std::map<std::string, std::string> headers;  // names in lower case
  std::string body;
};

struct HttpResponse {
  int status = 200;
  std::string contentType = "text/plain";
  std::string body;
};

class LoopbackHttpServer {
 public:
  using Handler = std::function<HttpResponse(const HttpRequest&)>;

  explicit LoopbackHttpServer(Handler handler);
  ~LoopbackHttpServer();
  LoopbackHttpServer(const LoopbackHttpServer&) = delete;
  LoopbackHttpServer& operator=(const LoopbackHttpServer&) = delete;

  // False when the listening socket could not be made; port() is then 0.
  bool ok() const { return m_port != 0; }
  int port() const { return m_port; }
  // "http://127.0.0.1:<port>" followed by the path.
  std::string Url(const std::string& path) const;
  // Every request served so far, in arrival order.
  std::vector<HttpRequest> requests() const;

 private:
  void Serve();
  void Answer(uintptr_t client);

  Handler m_handler;
  uintptr_t m_listener;
  int m_port = 0;
  std::atomic<bool> m_stopping{false};
  mutable std::mutex m_lock;
  std::vector<HttpRequest> m_requests;
  std::thread m_thread;
};
