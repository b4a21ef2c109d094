#include <mbedtls/base64.h>
#include <mbedtls/des.h>
#include <mbedtls/md5.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

TEST(MbedtlsSmoke, Md5OfAbc) {
  unsigned char digest[16];
  ASSERT_EQ(mbedtls_md5_ret(reinterpret_cast<const unsigned char*>("abc"), 3, digest), 0);
  char hex[33];
  for (int i = 0; i < 16; ++i) std::snprintf(hex + 2 * i, 3, "%02x", digest[i]);
  EXPECT_STREQ(hex, "900150983cd24fb0d6963f7d28e17f72");
}

TEST(MbedtlsSmoke, DesCbcRoundTrips) {
  const unsigned char key[8] = {'1', '2', '3', '4', '5', '6', '7', '8'};
  const unsigned char plain[16] = "fifteen bytes!!";
  unsigned char cipher[16], back[16];
  unsigned char iv[8] = {};
  mbedtls_des_context ctx;
  mbedtls_des_init(&ctx);
  ASSERT_EQ(mbedtls_des_setkey_enc(&ctx, key), 0);
  ASSERT_EQ(mbedtls_des_crypt_cbc(&ctx, MBEDTLS_DES_ENCRYPT, 16, iv, plain, cipher), 0);
  EXPECT_NE(std::string(reinterpret_cast<char*>(cipher), 16), std::string(reinterpret_cast<const char*>(plain), 16));
  unsigned char iv2[8] = {};
  ASSERT_EQ(mbedtls_des_setkey_dec(&ctx, key), 0);
  ASSERT_EQ(mbedtls_des_crypt_cbc(&ctx, MBEDTLS_DES_DECRYPT, 16, iv2, cipher, back), 0);
  mbedtls_des_free(&ctx);
  EXPECT_EQ(0, memcmp(plain, back, 16));
}

TEST(MbedtlsSmoke, Base64) {
  unsigned char out[16];
  size_t n = 0;
  ASSERT_EQ(mbedtls_base64_encode(out, sizeof out, &n, reinterpret_cast<const unsigned char*>("abcd"), 4), 0);
  EXPECT_EQ(std::string(reinterpret_cast<char*>(out), n), "YWJjZA==");
}
