#pragma once

#include <chrono>
#include <memory>
#include <string>

#include "vdb/catalogue.h"

// The video database service over HTTP: the import wizard's search, preview, advise and rating
// addresses, the cover pictures and the pages that the program opens in a browser.
namespace vdb {

struct ServerOptions {
    std::string address = "127.0.0.1";
    int port = 8642;                      // 0: any free port
    int threads = 8;                      // requests served at the same time
    std::chrono::seconds timeout{10};     // to read a request or write a reply
    std::string image_base = "/images/";  // where the preview pages find the covers
};

class Server {
  public:
    Server(Catalogue& catalogue, ServerOptions options);
    ~Server();
    Server(const Server&) = delete;
    Server& operator=(const Server&) = delete;

    // Binds the address; the port bound, or -1 with `error` saying why.
    int Bind(std::string& error);
    // Serves until Stop(), on the calling thread; false when serving could not begin.
    bool Serve();
    // Bind() and Serve() on a thread of the server's own; false when binding failed.
    bool Start(std::string& error);
    void Stop();

    int port() const;

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace vdb
