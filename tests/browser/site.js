// A small web site for the tests of one menu on every page: its pages in two folders, served
// from a folder by a loopback HTTP server, with or without a strict security policy.
'use strict';

const fs = require('node:fs');
const http = require('node:http');
const path = require('node:path');
const pages = require('./pages');

// The policy that allows nothing inline: no script element, no style attribute.
const STRICT_POLICY = 'default-src \'self\'';

// The site's pages by address, each named in its title; the last one is on no menu.
const SITE_PAGES = {
    '/index.html' : 'Home',
    '/about.html' : 'About',
    '/shop/index.html' : 'Shop front',
    '/shop/cart.html' : 'Cart',
    '/elsewhere.html' : 'Elsewhere',
};

const TYPES = {
    '.html' : 'text/html; charset=utf-8',
    '.css' : 'text/css; charset=utf-8',
    '.js' : 'text/javascript; charset=utf-8',
    '.png' : 'image/png',
};

// Serves the files of `folder` on a free loopback port, a folder's address by its
// index.html; `policy` goes into a Content-Security-Policy header of every answer.
async function serve(folder, policy) {
    const server = http.createServer((request, response) => {
        let file = path.join(folder, decodeURIComponent(new URL(request.url, 'http://x').pathname));
        if (file.endsWith(path.sep)) {
            file = path.join(file, 'index.html');
        }
        const headers = policy ? {'Content-Security-Policy' : policy} : {};
        // The browser asks for a page icon by itself; the site has none and says so quietly.
        if (request.url === '/favicon.ico') {
            response.writeHead(204, headers).end();
            return;
        }
        if (!file.startsWith(folder) || !fs.existsSync(file) || fs.statSync(file).isDirectory()) {
            response.writeHead(404, headers).end();
            return;
        }
        headers['Content-Type'] = TYPES[path.extname(file)] ?? 'application/octet-stream';
        response.writeHead(200, headers).end(fs.readFileSync(file));
    });
    await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
    return {
        origin : `http://127.0.0.1:${server.address().port}`,
        close : () => new Promise((resolve) => {
            server.closeAllConnections();
            server.close(resolve);
        }),
    };
}

function writeFile(folder, address, html) {
    const file = path.join(folder, address);
    fs.mkdirSync(path.dirname(file), {recursive : true});
    fs.writeFileSync(file, html);
}

// Every page of the site with the same two codes in it: `head` in the head, `body` in the body.
function writePages(folder, head, body) {
    for (const [address, title] of Object.entries(SITE_PAGES)) {
        writeFile(folder, address, pages.doctypePage(head, body, title));
    }
}

// A new folder with the site's pages holding the files form of `project`, the menu's three
// files at its root.
function filesSite(prefix, project) {
    const folder = pages.makeFolder(prefix);
    const files = pages.siteFiles(folder, project);
    writePages(folder, pages.siteHead(files.name), files.fragment);
    return folder;
}

// A new folder with the site's pages holding the inline standards form of `project`, pasted.
function inlineSite(prefix, project) {
    const folder = pages.makeFolder(prefix);
    const {functionCode, htmlCode} = pages.clipTexts(project, 'standards');
    writePages(folder, functionCode, htmlCode);
    return folder;
}

// The two ways of putting the menu on every page, by name.
const FORMS = {
    files : filesSite,
    inline : inlineSite
};

module.exports = {
    FORMS,
    SITE_PAGES,
    STRICT_POLICY,
    filesSite,
    inlineSite,
    serve,
    writeFile
};
