#include <curl/curl.h>

#include <gtest/gtest.h>

#include "LoopbackHttpServer.h"

namespace {

size_t Collect(char* data, size_t size, size_t count, void* out) {
  static_cast<std::string*>(out)->append(data, size * count);
  return size * count;
}

}  // namespace

TEST(CurlSmoke, PostsAFormToALoopbackServerAndReadsTheAnswer) {
  LoopbackHttpServer server([](const HttpRequest& req) {
    return HttpResponse{200, "application/json", "{\"echo\":\"" + req.body + "\"}"};
  });
  ASSERT_TRUE(server.ok());
  ASSERT_EQ(curl_global_init(CURL_GLOBAL_ALL), CURLE_OK);
  CURL* curl = curl_easy_init();
  ASSERT_NE(curl, nullptr);
  std::string answer;
  const std::string url = server.Url("/Interface/Test");
  curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
  curl_easy_setopt(curl, CURLOPT_POSTFIELDS, "data=abc");
  curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, Collect);
  curl_easy_setopt(curl, CURLOPT_WRITEDATA, &answer);
  curl_easy_setopt(curl, CURLOPT_TIMEOUT, 20L);
  const CURLcode rc = curl_easy_perform(curl);
  long status = 0;
  curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &status);
  curl_easy_cleanup(curl);
  curl_global_cleanup();

  ASSERT_EQ(rc, CURLE_OK) << curl_easy_strerror(rc);
  EXPECT_EQ(status, 200);
  EXPECT_EQ(answer, "{\"echo\":\"data=abc\"}");
  const auto reqs = server.requests();
  ASSERT_EQ(reqs.size(), 1u);
  EXPECT_EQ(reqs[0].method, "POST");
  EXPECT_EQ(reqs[0].target, "/Interface/Test");
  EXPECT_EQ(reqs[0].headers.at("content-type"), "application/x-www-form-urlencoded");
}
